#include "ProfileText.h"

#include "AlgoArray.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace {

constexpr int kFixedDecimals = 6;

// Writes the shortest text that reads back as the same value.
NumberText shortestText(double value)
{
    NumberText number{};
    std::to_chars(number.Text, number.Text + sizeof number.Text - 1, value);
    return number;
}

bool parseNumber(const char *first, const char *last, double &value)
{
    // atof accepted a leading plus; from_chars does not.
    if (last - first > 1 && *first == '+') {
        ++first;
    }
    const auto result = std::from_chars(first, last, value);
    return result.ec == std::errc() && result.ptr == last;
}

NumberText exactText(double value)
{
    const NumberText fixed = algoFixedText(value);
    double back = 0.0;
    const char *end = fixed.Text + std::strlen(fixed.Text);
    if (parseNumber(fixed.Text, end, back) && back == value) {
        return fixed;
    }
    return shortestText(value);
}

bool isSeparator(char c)
{
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// Reads the whole file into one algoMalloc block (null for an empty file);
// false when the file cannot be read.
bool readText(const char *path, char *&text, long &size)
{
    text = nullptr;
    size = 0;
    std::FILE *file = std::fopen(path, "rb");
    if (!file) {
        return false;
    }
    bool read = std::fseek(file, 0, SEEK_END) == 0;
    if (read) {
        size = std::ftell(file);
        read = size >= 0 && std::fseek(file, 0, SEEK_SET) == 0;
    }
    if (read && size > 0) {
        text = static_cast<char *>(algoMalloc(static_cast<std::size_t>(size)));
        read = text && std::fread(text, 1, static_cast<std::size_t>(size), file) == static_cast<std::size_t>(size);
    }
    std::fclose(file);
    if (!read) {
        algoFree(text);
        text = nullptr;
    }
    return read;
}

// Calls visit with each run of characters between separators, in order,
// until visit returns false; returns whether every run was visited.
template <typename Visit> bool forEachToken(const char *text, long size, Visit visit)
{
    const char *end = text + size;
    const char *pos = text;
    while (pos < end) {
        if (isSeparator(*pos)) {
            ++pos;
            continue;
        }
        const char *start = pos;
        while (pos < end && !isSeparator(*pos)) {
            ++pos;
        }
        if (!visit(start, pos)) {
            return false;
        }
    }
    return true;
}

// Heights of a text into a new Y buffer of count doubles; false, with
// nothing allocated, when a token is not a number.
bool parseValues(const char *text, long size, double *&y, int &count)
{
    y = nullptr;
    count = 0;
    const bool counted = forEachToken(text, size, [&](const char *, const char *) {
        if (count == INT_MAX) {
            return false;
        }
        ++count;
        return true;
    });
    if (!counted) {
        return false;
    }
    y = algoMallocDoubles(count);
    if (count > 0 && !y) {
        return false;
    }
    int parsed = 0;
    const bool parsedAll = forEachToken(text, size, [&](const char *first, const char *last) {
        return parseNumber(first, last, y[parsed++]);
    });
    if (!parsedAll) {
        algoFree(y);
        y = nullptr;
    }
    return parsedAll;
}

void releaseCurve(DataArray *curve)
{
    algoFree(curve->X);
    algoFree(curve->Y);
    curve->X = nullptr;
    curve->Y = nullptr;
    curve->N = 0;
}

bool writeValues(const double *values, int count, const char *path)
{
    if (!path) {
        return false;
    }
    std::FILE *file = std::fopen(path, "wb");
    if (!file) {
        return false;
    }
    bool written = true;
    for (int i = 0; values && i < count && written; ++i) {
        written = std::fputs(exactText(values[i]).Text, file) >= 0 && (i + 1 == count || std::fputc(',', file) != EOF);
    }
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

} // namespace

NumberText algoFixedText(double value)
{
    NumberText number{};
    std::to_chars(number.Text, number.Text + sizeof number.Text - 1, value, std::chars_format::fixed, kFixedDecimals);
    return number;
}

bool algoReadProfile(DataArray *curve, const char *path, int flag)
{
    if (!curve) {
        return false;
    }
    if (flag == 0) {
        releaseCurve(curve);
        return true;
    }
    char *text = nullptr;
    long size = 0;
    double *y = nullptr;
    int count = 0;
    const bool read = path && readText(path, text, size) && parseValues(text, size, y, count);
    algoFree(text);
    double *x = read ? algoMallocDoubles(count) : nullptr;
    if (!read || (count > 0 && !x)) {
        algoFree(y);
        curve->N = 0;
        return false;
    }
    std::fill_n(x, count, 0.0);
    releaseCurve(curve);
    curve->Y = y;
    curve->X = x;
    curve->N = count;
    return true;
}

bool algoWriteProfile(const DataArray *curve, const char *path)
{
    return curve && writeValues(curve->Y, curve->N, path);
}

bool algoWriteAxis(const DataArray *curve, const char *path)
{
    return curve && writeValues(curve->X, curve->N, path);
}
