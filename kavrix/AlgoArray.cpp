#include "AlgoArray.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

bool validOrder(int order)
{
    return order == AlgoSortDesc || order == AlgoSortAsc;
}

// Order 0 puts the higher height first, order 1 the lower; on equal heights
// the right run's element goes first.
struct Higher {
    bool operator()(double left, double right) const { return left > right; }
};
struct Lower {
    bool operator()(double left, double right) const { return right > left; }
};

// Short runs are sorted by insertion, which is faster there and, by moving
// each height in front of its equals, orders equal heights as the merge does.
constexpr int kInsertionRun = 16;

template <typename TakeLeft> void insertionSortRange(double *array, int lo, int hi, TakeLeft takeLeft)
{
    for (int i = lo + 1; i <= hi; ++i) {
        const double value = array[i];
        int j = i;
        while (j > lo && !takeLeft(array[j - 1], value)) {
            array[j] = array[j - 1];
            --j;
        }
        array[j] = value;
    }
}

template <typename TakeLeft> void mergeSortRange(double *array, int lo, int hi, double *work, TakeLeft takeLeft)
{
    if (hi - lo < kInsertionRun) {
        insertionSortRange(array, lo, hi, takeLeft);
        return;
    }
    const int mid = lo + (hi - lo) / 2;
    mergeSortRange(array, lo, mid, work, takeLeft);
    mergeSortRange(array, mid + 1, hi, work, takeLeft);

    int left = lo;
    int right = mid + 1;
    int k = lo;
    while (left <= mid && right <= hi) {
        if (takeLeft(array[left], array[right])) {
            work[k++] = array[left++];
        } else {
            work[k++] = array[right++];
        }
    }
    while (left <= mid) {
        work[k++] = array[left++];
    }
    while (right <= hi) {
        work[k++] = array[right++];
    }
    for (int i = lo; i <= hi; ++i) {
        array[i] = work[i];
    }
}

template <typename Op> void forEachOutput(const DataArray *a, const DataArray *b, DataArray *out, Op op)
{
    for (int i = 0; i < out->N; ++i) {
        out->Y[i] = op(a->Y[i], b->Y[i]);
    }
}

template <typename Op> void forEachOutput(const DataArray *a, DataArray *out, Op op)
{
    for (int i = 0; i < out->N; ++i) {
        out->Y[i] = op(a->Y[i]);
    }
}

template <typename Better> AlgoPoint extreme(const DataArray *a, Better better)
{
    AlgoPoint point{0, 0.0};
    if (a->N <= 0) {
        return point;
    }
    point.Value = a->Y[0];
    for (int i = 1; i < a->N; ++i) {
        if (better(a->Y[i], point.Value)) {
            point.Index = i;
            point.Value = a->Y[i];
        }
    }
    return point;
}

} // namespace

void algoMergeSort(double *array, int lo, int hi, double *work, int order)
{
    if (!validOrder(order) || !array || !work) {
        return;
    }
    if (order == AlgoSortDesc) {
        mergeSortRange(array, lo, hi, work, Higher());
    } else {
        mergeSortRange(array, lo, hi, work, Lower());
    }
}

void algoRadixSort(const double *in, double *out, int n, int order, std::uint64_t *keys, std::uint64_t *spare)
{
    if (!validOrder(order) || n <= 0) {
        return;
    }
    // Keys that order as the heights do: flip every bit of a negative height,
    // only the sign bit of any other; invert them all for highest first.
    const std::uint64_t sign = std::uint64_t(1) << 63;
    const std::uint64_t flipAll = order == AlgoSortDesc ? ~std::uint64_t(0) : 0;
    const auto keyOf = [sign, flipAll](double height) {
        std::uint64_t bits;
        std::memcpy(&bits, &height, sizeof bits);
        return ((bits & sign) ? ~bits : (bits | sign)) ^ flipAll;
    };
    std::uint32_t counts[8][256] = {};
    int zeros = 0;
    int before = 0;
    for (int i = 0; i < n; ++i) {
        const std::uint64_t key = keyOf(in[i]);
        keys[i] = key;
        for (int d = 0; d < 8; ++d) {
            ++counts[d][(key >> (8 * d)) & 0xff];
        }
        zeros += in[i] == 0.0;
        before += order == AlgoSortDesc ? in[i] > 0.0 : in[i] < 0.0;
    }
    std::uint64_t *from = keys;
    std::uint64_t *to = spare;
    for (int d = 0; d < 8; ++d) {
        std::uint32_t *count = counts[d];
        if (count[(from[0] >> (8 * d)) & 0xff] == static_cast<std::uint32_t>(n)) {
            continue;
        }
        std::uint32_t offset = 0;
        for (int b = 0; b < 256; ++b) {
            const std::uint32_t c = count[b];
            count[b] = offset;
            offset += c;
        }
        for (int i = 0; i < n; ++i) {
            to[count[(from[i] >> (8 * d)) & 0xff]++] = from[i];
        }
        std::swap(from, to);
    }
    // Zeros of both signs compare equal: the merge sort leaves equal heights
    // in the reverse of their input order. Every other pair of equal keys is
    // one and the same height.
    if (zeros > 0) {
        int at = before;
        for (int i = n - 1; i >= 0; --i) {
            if (in[i] == 0.0) {
                from[at++] = keyOf(in[i]);
            }
        }
    }
    for (int i = 0; i < n; ++i) {
        const std::uint64_t key = from[i] ^ flipAll;
        const std::uint64_t bits = (key & sign) ? (key & ~sign) : ~key;
        std::memcpy(&out[i], &bits, sizeof bits);
    }
}

void algoSortArray(const DataArray *in, DataArray *out, int order)
{
    algoCopyArray(in, out);
    const int n = out->N;
    if (n <= 0) {
        return;
    }
    auto *keys = static_cast<std::uint64_t *>(algoMalloc(2 * sizeof(std::uint64_t) * n));
    if (!keys) {
        return;
    }
    algoRadixSort(out->Y, out->Y, n, order, keys, keys + n);
    algoFree(keys);
}

void algoQsortArray(const DataArray *in, DataArray *out, int order)
{
    algoCopyArray(in, out);
    if (!validOrder(order) || out->N <= 1) {
        return;
    }
    std::qsort(out->Y, static_cast<std::size_t>(out->N), sizeof(double),
               order == AlgoSortDesc ? algoCompareDesc : algoCompareAsc);
}

int algoCompareDesc(const void *a, const void *b)
{
    const double x = *static_cast<const double *>(a);
    const double y = *static_cast<const double *>(b);
    return (x < y) - (x > y);
}

int algoCompareAsc(const void *a, const void *b)
{
    const double x = *static_cast<const double *>(a);
    const double y = *static_cast<const double *>(b);
    return (x > y) - (x < y);
}

double algoSum(const DataArray *a)
{
    double sum = 0.0;
    for (int i = 0; i < a->N; ++i) {
        sum += a->Y[i];
    }
    return sum;
}

// An empty curve has mean 0 rather than 0/0, so no NaN leaks into a result.
double algoMean(const DataArray *a)
{
    return a->N > 0 ? algoSum(a) / a->N : 0.0;
}

double algoSumAbs(const DataArray *a)
{
    double sum = 0.0;
    for (int i = 0; i < a->N; ++i) {
        sum += std::fabs(a->Y[i]);
    }
    return sum;
}

double algoMeanAbs(const DataArray *a)
{
    return a->N > 0 ? algoSumAbs(a) / a->N : 0.0;
}

double algoDeviation(const DataArray *a, int flag)
{
    int divisor;
    if (flag == 0) {
        divisor = a->N - 1;
    } else if (flag == 1) {
        divisor = a->N;
    } else {
        return 0.0;
    }
    if (divisor <= 0) {
        return 0.0;
    }
    const double mean = algoMean(a);
    double squares = 0.0;
    for (int i = 0; i < a->N; ++i) {
        const double d = a->Y[i] - mean;
        squares += d * d;
    }
    return std::sqrt(squares / divisor);
}

AlgoPoint algoArrayMax(const DataArray *a)
{
    return extreme(a, [](double v, double best) {
        return v > best;
    });
}

AlgoPoint algoArrayMin(const DataArray *a)
{
    return extreme(a, [](double v, double best) {
        return v < best;
    });
}

void algoCopyArray(const DataArray *in, DataArray *out)
{
    if (in->Y == out->Y) {
        return;
    }
    forEachOutput(in, out, [](double v) {
        return v;
    });
}

void algoFillArray(double value, DataArray *out)
{
    for (int i = 0; i < out->N; ++i) {
        out->Y[i] = value;
    }
}

void algoSubArray(const DataArray *a, const DataArray *b, DataArray *out)
{
    forEachOutput(a, b, out, [](double x, double y) {
        return x - y;
    });
}

void algoSubValue(const DataArray *a, double value, DataArray *out)
{
    forEachOutput(a, out, [value](double x) {
        return x - value;
    });
}

void algoMulArray(const DataArray *a, const DataArray *b, DataArray *out)
{
    forEachOutput(a, b, out, [](double x, double y) {
        return x * y;
    });
}

void algoDivArray(const DataArray *a, const DataArray *b, DataArray *out)
{
    forEachOutput(a, b, out, [](double x, double y) {
        return x / y;
    });
}

void algoAddArray(const DataArray *a, const DataArray *b, DataArray *out)
{
    forEachOutput(a, b, out, [](double x, double y) {
        return x + y;
    });
}

void algoAddValue(const DataArray *a, double value, DataArray *out)
{
    forEachOutput(a, out, [value](double x) {
        return x + value;
    });
}

void algoMulValue(const DataArray *a, double value, DataArray *out)
{
    forEachOutput(a, out, [value](double x) {
        return x * value;
    });
}

void algoDivValue(const DataArray *a, double value, DataArray *out)
{
    forEachOutput(a, out, [value](double x) {
        return x / value;
    });
}

void algoPowArray(const DataArray *a, double power, DataArray *out)
{
    forEachOutput(a, out, [power](double x) {
        return std::pow(x, power);
    });
}

void algoComplexMul(const DataArray *aRe, const DataArray *aIm, const DataArray *bRe, const DataArray *bIm,
                    DataArray *outRe, DataArray *outIm)
{
    for (int i = 0; i < outIm->N; ++i) {
        // Both parts are read before either is written: outputs may alias inputs.
        const double re = aRe->Y[i] * bRe->Y[i] - aIm->Y[i] * bIm->Y[i];
        const double im = aRe->Y[i] * bIm->Y[i] + aIm->Y[i] * bRe->Y[i];
        outRe->Y[i] = re;
        outIm->Y[i] = im;
    }
}

double algoFactorial(int n)
{
    double result = 1.0;
    for (int i = 2; i <= n; ++i) {
        result *= i;
    }
    return result;
}

// Two points at one index span no line; the flat line through the first
// point keeps the callers' values finite.
AlgoLine algoLineFromPoints(AlgoPoint p1, AlgoPoint p2)
{
    AlgoLine line{0.0, p1.Value};
    if (p1.Index == p2.Index) {
        return line;
    }
    line.Slope = (p1.Value - p2.Value) / (static_cast<double>(p1.Index) - p2.Index);
    line.Intercept = p1.Value - p1.Index * line.Slope;
    return line;
}

void algoLineValues(AlgoLine line, DataArray *out)
{
    for (int i = 0; i < out->N; ++i) {
        out->Y[i] = line.Slope * i + line.Intercept;
    }
}

void algoLineBetween(AlgoPoint p1, AlgoPoint p2, DataArray *out)
{
    algoLineValues(algoLineFromPoints(p1, p2), out);
}

// A negative int size converted to size_t lands above PTRDIFF_MAX, so the one
// limit refuses both that and requests no allocator could serve.
void *algoMalloc(std::size_t bytes)
{
    if (bytes == 0 || bytes > static_cast<std::size_t>(PTRDIFF_MAX)) {
        return nullptr;
    }
    return std::malloc(bytes);
}

double *algoMallocDoubles(int count)
{
    if (count <= 0 || static_cast<std::size_t>(count) > PTRDIFF_MAX / sizeof(double)) {
        return nullptr;
    }
    return static_cast<double *>(algoMalloc(static_cast<std::size_t>(count) * sizeof(double)));
}

void algoFree(void *block)
{
    std::free(block);
}
