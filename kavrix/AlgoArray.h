// Small routines on curves that every stage of the library rests on.
// Two-input routines and copies run over the output's N points, one-input
// routines over the input's N; an output may alias an input.
#ifndef KAVRIX_ALGOARRAY_H
#define KAVRIX_ALGOARRAY_H

#include "Kavrix.h"

#include <cstddef>
#include <cstdint>

struct AlgoPoint {
    int Index;
    double Value;
};

struct AlgoLine {
    double Slope;
    double Intercept;
};

enum AlgoSortOrder { AlgoSortDesc = 0, AlgoSortAsc = 1 };

void algoMergeSort(double *array, int lo, int hi, double *work, int order);
// The order algoMergeSort gives, equal heights included, by radix passes over
// keys made from the heights' bits: n heights from in (which may be out) into
// out, with two scratch arrays of n keys.
void algoRadixSort(const double *in, double *out, int n, int order, std::uint64_t *keys, std::uint64_t *spare);
void algoSortArray(const DataArray *in, DataArray *out, int order);
void algoQsortArray(const DataArray *in, DataArray *out, int order);
int algoCompareDesc(const void *a, const void *b);
int algoCompareAsc(const void *a, const void *b);

double algoSum(const DataArray *a);
double algoMean(const DataArray *a);
double algoSumAbs(const DataArray *a);
double algoMeanAbs(const DataArray *a);
double algoDeviation(const DataArray *a, int flag);
AlgoPoint algoArrayMax(const DataArray *a);
AlgoPoint algoArrayMin(const DataArray *a);

void algoCopyArray(const DataArray *in, DataArray *out);
void algoFillArray(double value, DataArray *out);
void algoSubArray(const DataArray *a, const DataArray *b, DataArray *out);
void algoSubValue(const DataArray *a, double value, DataArray *out);
void algoMulArray(const DataArray *a, const DataArray *b, DataArray *out);
void algoDivArray(const DataArray *a, const DataArray *b, DataArray *out);
void algoAddArray(const DataArray *a, const DataArray *b, DataArray *out);
void algoAddValue(const DataArray *a, double value, DataArray *out);
void algoMulValue(const DataArray *a, double value, DataArray *out);
void algoDivValue(const DataArray *a, double value, DataArray *out);
void algoPowArray(const DataArray *a, double power, DataArray *out);
void algoComplexMul(const DataArray *aRe, const DataArray *aIm, const DataArray *bRe, const DataArray *bIm,
                    DataArray *outRe, DataArray *outIm);

double algoFactorial(int n);
AlgoLine algoLineFromPoints(AlgoPoint p1, AlgoPoint p2);
void algoLineValues(AlgoLine line, DataArray *out);
void algoLineBetween(AlgoPoint p1, AlgoPoint p2, DataArray *out);

// Both return null for an empty or unrepresentable size.
void *algoMalloc(std::size_t bytes);
double *algoMallocDoubles(int count);
void algoFree(void *block);

#endif
