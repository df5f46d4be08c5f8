// Cost of the profile filters and of a whole evaluation at the longest
// profile the program measures (21000 points over 8 mm), so that dragging the
// evaluation range re-evaluates at screen rate; and of a first evaluation at
// a prime length against the nearest 7-smooth one, since every step of a
// drag is a length the record has not seen.
#include "AlgoFilter.h"
#include "EvalWorkspace.h"
#include "Kavrix.h"

#include <benchmark/benchmark.h>
#include <fftw3.h>

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

// A record as the program makes it, holding the first points of the profile
// with the given filter and cut-off options (by default the program's).
std::unique_ptr<ParaRecord> recordAt(int filterOption, int points, const std::vector<double> &profile, int lsOption = 2,
                                     int lcOption = 4)
{
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
    cond.EvalLength = LengthMm * points / Points;
    cond.ParmZMag = 1.0;
    cond.ExtParm1 = -1;
    cond.ExtParm2 = -1;
    para->Mode = 2;
    para->RawArray.N = points;
    std::copy(profile.begin(), profile.begin() + points, para->RawArray.Y);
    return para;
}

void releaseRecord(ParaRecord *para)
{
    para->Mode = 0;
    kavrix(para);
}

// FilterOption 0 with λs and λc 0 is the program's default: automatic filter
// and cut-offs.
void runEvaluation(benchmark::State &state, int filterOption, int lsOption, int lcOption)
{
    const std::vector<double> profile = measuredProfile();
    std::unique_ptr<ParaRecord> para = recordAt(filterOption, Points, profile, lsOption, lcOption);
    for (auto _ : state) {
        para->RawArray.N = Points;
        std::copy(profile.begin(), profile.end(), para->RawArray.Y);
        kavrix(para.get());
        benchmark::DoNotOptimize(para->RArray.Y);
    }
    if (para->Valid != 1)
        state.SkipWithError("evaluation rejected");
    releaseRecord(para.get());
}

// A record made for the call and FFTW's remembered plans forgotten, outside
// the timing, so that every call plans its transforms as the first call at a
// new length does.
void runFirstEvaluation(benchmark::State &state)
{
    const int filterOption = static_cast<int>(state.range(0));
    const int points = static_cast<int>(state.range(1));
    const std::vector<double> profile = measuredProfile();
    int valid = 1;
    for (auto _ : state) {
        state.PauseTiming();
        fftw_forget_wisdom();
        std::unique_ptr<ParaRecord> para = recordAt(filterOption, points, profile);
        state.ResumeTiming();
        kavrix(para.get());
        benchmark::DoNotOptimize(para->RArray.Y);
        state.PauseTiming();
        valid = std::min(valid, para->Valid);
        releaseRecord(para.get());
        state.ResumeTiming();
    }
    if (valid != 1)
        state.SkipWithError("evaluation rejected");
}

// The same length evaluated again in one record, which keeps its plans.
void runKeptEvaluation(benchmark::State &state)
{
    const int filterOption = static_cast<int>(state.range(0));
    const int points = static_cast<int>(state.range(1));
    const std::vector<double> profile = measuredProfile();
    std::unique_ptr<ParaRecord> para = recordAt(filterOption, points, profile);
    for (auto _ : state) {
        para->RawArray.N = points;
        std::copy(profile.begin(), profile.begin() + points, para->RawArray.Y);
        kavrix(para.get());
        benchmark::DoNotOptimize(para->RArray.Y);
    }
    if (para->Valid != 1)
        state.SkipWithError("evaluation rejected");
    releaseRecord(para.get());
}

// The transform filter alone, first call included, in a workspace that
// transforms at smooth lengths or at the curve's own length as FFTW plans it.
void runFirstFilterCall(benchmark::State &state, TransformFilterFn filter, EvalWorkspace::Lengths lengths)
{
    const int points = static_cast<int>(state.range(0));
    std::vector<double> in = measuredProfile();
    std::vector<double> out(Points);
    DataArray inCurve{points, in.data(), nullptr};
    DataArray outCurve{points, out.data(), nullptr};
    for (auto _ : state) {
        state.PauseTiming();
        fftw_forget_wisdom();
        auto work = std::make_unique<EvalWorkspace>(Points, lengths);
        state.ResumeTiming();
        filter(&inCurve, &outCurve, LcPoints, 0, work.get());
        benchmark::DoNotOptimize(out.data());
        state.PauseTiming();
        work.reset();
        state.ResumeTiming();
    }
}

// 20011 is prime and 20998 twice a prime; 20000 and 21000 are 7-smooth.
void firstCallLengths(benchmark::internal::Benchmark *b)
{
    for (int points : {20000, 20011, 20998, 21000})
        b->Arg(points);
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

BENCHMARK(runFirstEvaluation)
    ->ArgNames({"filter", "points"})
    ->ArgsProduct({{1, 2}, {20000, 20011, 20998, 21000}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(runKeptEvaluation)
    ->ArgNames({"filter", "points"})
    ->ArgsProduct({{1, 2}, {20000, 20011, 20998, 21000}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runFirstFilterCall, Gaussian, algoFilterGaussianUsing, EvalWorkspace::Lengths::Smooth)
    ->Apply(firstCallLengths)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runFirstFilterCall, GaussianExact, algoFilterGaussianUsing, EvalWorkspace::Lengths::ExactLengths)
    ->Apply(firstCallLengths)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runFirstFilterCall, FFT, algoFilterFFTUsing, EvalWorkspace::Lengths::Smooth)
    ->Apply(firstCallLengths)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runFirstFilterCall, FFTExact, algoFilterFFTUsing, EvalWorkspace::Lengths::ExactLengths)
    ->Apply(firstCallLengths)
    ->Unit(benchmark::kMicrosecond);
