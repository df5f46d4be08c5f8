#include "ProfileText.h"

#include "AlgoArray.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>

namespace {

constexpr int kFixedDecimals = 6;

// Sign, every integer digit of the largest double, point, decimals and some
// slack: no value can overflow it.
using NumberBuffer = std::array<char, DBL_MAX_10_EXP + kFixedDecimals + 16>;

std::string shortestText(double value)
{
    NumberBuffer buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return result.ec == std::errc() ? std::string(buffer.data(), result.ptr) : std::string();
}

bool parseNumber(std::string_view token, double &value)
{
    // atof accepted a leading plus; from_chars does not.
    if (token.size() > 1 && token.front() == '+') {
        token.remove_prefix(1);
    }
    const char *end = token.data() + token.size();
    const auto result = std::from_chars(token.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

std::string exactText(double value)
{
    std::string text = algoFixedText(value);
    double back = 0.0;
    if (parseNumber(text, back) && back == value) {
        return text;
    }
    return shortestText(value);
}

bool isSeparator(char c)
{
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool readText(const char *path, std::string &text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Calls visit with each run of characters between separators, in order,
// until visit returns false; returns whether every run was visited.
template <typename Visit>
bool forEachToken(std::string_view text, Visit visit)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (isSeparator(text[pos])) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        while (pos < text.size() && !isSeparator(text[pos])) {
            ++pos;
        }
        if (!visit(text.substr(start, pos - start))) {
            return false;
        }
    }
    return true;
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
        std::string text = exactText(values[i]);
        if (i + 1 < count) {
            text += ',';
        }
        written = std::fputs(text.c_str(), file) >= 0;
    }
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

}  // namespace

std::string algoFixedText(double value)
{
    NumberBuffer buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, kFixedDecimals);
    return result.ec == std::errc() ? std::string(buffer.data(), result.ptr) : std::string();
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
    std::string text;
    std::size_t tokens = 0;
    const bool counted = path && readText(path, text) && forEachToken(text, [&](std::string_view) {
        return ++tokens <= static_cast<std::size_t>(INT_MAX);
    });
    if (!counted) {
        curve->N = 0;
        return false;
    }
    const int count = static_cast<int>(tokens);
    double *y = algoMallocDoubles(count);
    double *x = algoMallocDoubles(count);
    int parsed = 0;
    const bool read = (count == 0 || (x && y)) && forEachToken(text, [&](std::string_view token) {
        return parseNumber(token, y[parsed++]);
    });
    if (!read) {
        algoFree(x);
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
