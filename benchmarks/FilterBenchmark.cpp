// Cost of the profile filters and of a whole evaluation at the longest
// profile the program measures (21000 points over 8 mm), so that dragging the
// evaluation range re-evaluates at screen rate.
#include "AlgoFilter.h"
#include "EvalWorkspace.h"
#include "Kavrix.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace {

const int Points = 21000;
const double LengthMm = 8.0;
const double LcPoints = Points * 0.8 / LengthMm;

std::vector<double> measuredProfile()
{
    std::mt19937 random(11);
    std::normal_distribution<double> noise(0.0, 0.05);
    std::vector<double> y(Points);
    for (int i = 0; i < Points; ++i)
        y[i] =
            0.002 * i + 3.0 * std::sin(2.0 * M_PI * i / 9000.0) + 0.8 * std::sin(2.0 * M_PI * i / 60.0) + noise(random);
    return y;
}

using FilterFn = void (*)(const DataArray *, DataArray *, double, int);
using TransformFilterFn = void (*)(const DataArray *, DataArray *, double, int, EvalWorkspace *);

void runFilter(benchmark::State &state, FilterFn filter)
{
    std::vector<double> in = measuredProfile();
    std::vector<double> out(Points);
    DataArray inCurve{Points, in.data(), nullptr};
    DataArray outCurve{Points, out.data(), nullptr};
    for (auto _ : state) {
        filter(&inCurve, &outCurve, LcPoints, 0);
        benchmark::DoNotOptimize(out.data());
    }
}

// The transform filters as an evaluation runs them: in the record's
// workspace, whose buffers and plans outlive the call.
void runTransformFilter(benchmark::State &state, TransformFilterFn filter)
{
    std::vector<double> in = measuredProfile();
    std::vector<double> out(Points);
    DataArray inCurve{Points, in.data(), nullptr};
    DataArray outCurve{Points, out.data(), nullptr};
    EvalWorkspace work(Points);
    for (auto _ : state) {
        filter(&inCurve, &outCurve, LcPoints, 0, &work);
        benchmark::DoNotOptimize(out.data());
    }
}

// FilterOption 0 with λs and λc 0 is the program's default: automatic filter
// and cut-offs.
void runEvaluation(benchmark::State &state, int filterOption, int lsOption, int lcOption)
{
    const std::vector<double> profile = measuredProfile();
    auto para = std::make_unique<ParaRecord>();
    para->Extended = 0;
    para->Capacity = Points;
    para->Mode = 1;
    kavrix(para.get());
    EvalCond &cond = para->Cond;
    cond.ShapeOption = 0;
    cond.FilterOption = filterOption;
    cond.LsOption = lsOption;
    cond.LcOption = lcOption;
    cond.EvalLength = LengthMm;
    cond.ParmZMag = 1.0;
    cond.ExtParm1 = -1;
    cond.ExtParm2 = -1;
    para->Mode = 2;
    for (auto _ : state) {
        para->RawArray.N = Points;
        std::copy(profile.begin(), profile.end(), para->RawArray.Y);
        kavrix(para.get());
        benchmark::DoNotOptimize(para->RArray.Y);
    }
    if (para->Valid != 1)
        state.SkipWithError("evaluation rejected");
    para->Mode = 0;
    kavrix(para.get());
}

} // namespace

BENCHMARK_CAPTURE(runFilter, Gaussian, algoFilterGaussian)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runFilter, FFT, algoFilterFFT)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runTransformFilter, Gaussian, algoFilterGaussianUsing)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runTransformFilter, FFT, algoFilterFFTUsing)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runFilter, DP, algoFilterDP)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runFilter, PC, algoFilterPcRC)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runFilter, TwoRC, algoFilter2RC)->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(runEvaluation, Gaussian, 1, 2, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runEvaluation, FFT, 2, 2, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runEvaluation, PC, 3, 2, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runEvaluation, DP, 4, 2, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runEvaluation, TwoRC, 5, 2, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runEvaluation, Automatic, 0, 0, 0)->Unit(benchmark::kMicrosecond);
