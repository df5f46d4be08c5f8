// Curves as text for whoever drives the library by hand: prints to standard
// output and comma-separated text files. Numbers are written and read the
// same way under every process locale, so a file written on one machine
// reads back on another. Nothing here instantiates an out-of-line standard
// template: those would be exported from the shared library.
#ifndef KAVRIX_PROFILETEXT_H
#define KAVRIX_PROFILETEXT_H

#include "Kavrix.h"

#include <cfloat>

// Room for the longest "%f" text: sign, every integer digit of the largest
// double, point, six decimals and the terminator.
struct NumberText {
    char Text[DBL_MAX_10_EXP + 16];
};

// The "%f" text of a value (six decimals, however large the value), always
// with a decimal point.
NumberText algoFixedText(double value);

// Mode 0 prints the heights on one comma-separated line, mode 1 one
// "number<TAB>height" line per point counted from 1, each followed by an
// empty line; other modes print nothing.
void algoPrintOutArray(const DataArray *curve, int mode);

// With a non-zero flag, replaces the curve by the heights read from a text
// file, separated by commas or line ends; X gets room for the same count,
// filled with zeros. A file that cannot be read or holds something other than
// numbers leaves the curve empty (N 0, buffers kept) and returns false.
// Flag 0 releases both buffers and empties the curve.
bool algoReadProfile(DataArray *curve, const char *path, int flag);

// Write the heights (or the positions) as one comma-separated line without a
// line end. A value keeps its six-decimal text where that reads back as the
// same number, else it is written with as many digits as it needs. False
// when the file could not be written whole.
bool algoWriteProfile(const DataArray *curve, const char *path);
bool algoWriteAxis(const DataArray *curve, const char *path);

#endif
