// One step of dragging a range line over a whole profile of 21000 samples: the
// new stretch is evaluated and every plot of the curve area is redrawn, which
// is what the operator waits for between two finger positions. A run is one
// drag of 150 one-pixel steps from the profile's end, each a new length some
// twenty points shorter; most such lengths have a large prime factor, which
// the Gaussian and FFT filters must not feel.

#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "MeasureWaveformWidget.h"
#include "UiUtilities.h"
#include "WaveformWidget.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtMath>

#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <vector>

namespace {

constexpr int kSamples = 21000;
constexpr int kDragSteps = 150;

QList<double> turnedSurface()
{
    QList<double> samples;
    for (int i = 0; i < kSamples; ++i)
        samples << 30000.0 + 260.0 * qSin(i / 37.0) + 90.0 * qSin(i / 5.3) + 420.0 * qSin(i / 1900.0);
    return samples;
}

void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &pos)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

bool isPrime(int n)
{
    if (n < 2)
        return false;
    for (int d = 2; d * d <= n; ++d) {
        if (n % d == 0)
            return false;
    }
    return true;
}

// The wave filter is the settings' code: 0 automatic (DP on such a
// profile), 1 Gaussian, 2 FFT.
void BM_RangeLineDragStep(benchmark::State &state, int waveFilter)
{
    GlobalData *data = GlobalData::instance();
    data->settingsData = {2, 0, waveFilter, 0, 0, 1, 4, 0};
    data->calcutateResult.measureDataList = turnedSurface();
    GlobalManager::instance();

    WaveformWidget area;
    area.init();
    area.resize(1100, 700);
    area.show();
    QApplication::processEvents();
    auto *plot = area.findChild<MeasureWaveformWidget *>();
    emit data->measureDataListChanged();
    QApplication::processEvents();

    const int y = plot->height() / 2;
    int x = int(plot->xAxis->coordToPixel(plot->rightKey()));
    sendMouse(plot, QEvent::MouseButtonPress, QPoint(x, y));
    std::vector<double> stepMs;
    std::set<int> lengths;
    for (auto _ : state) {
        // FFTW remembers how it planned every length this process has seen;
        // the lengths of an operator's drag are new to it.
        state.PauseTiming();
        fftw_forget_wisdom();
        state.ResumeTiming();
        --x;
        const auto start = std::chrono::steady_clock::now();
        sendMouse(plot, QEvent::MouseMove, QPoint(x, y));
        QApplication::processEvents();
        stepMs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        lengths.insert(data->stPara.RawArray.N);
    }
    sendMouse(plot, QEvent::MouseButtonRelease, QPoint(x, y));
    benchmark::DoNotOptimize(data->calcutateResult.parameters);
    if (!stepMs.empty()) {
        // The slowest steps are the ones the finger feels.
        std::sort(stepMs.begin(), stepMs.end());
        state.counters["p90_ms"] = stepMs[stepMs.size() * 9 / 10];
        state.counters["max_ms"] = stepMs.back();
    }
    state.counters["lengths"] = double(lengths.size());
    state.counters["primes"] = double(std::count_if(lengths.begin(), lengths.end(), isPrime));
}

BENCHMARK_CAPTURE(BM_RangeLineDragStep, Auto, 0)->Iterations(kDragSteps)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RangeLineDragStep, Gaussian, 1)->Iterations(kDragSteps)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RangeLineDragStep, FFT, 2)->Iterations(kDragSteps)->Unit(benchmark::kMillisecond);

}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir root;
    QDir::setCurrent(root.path());
    GlobalConfig::instance()->initStyle();
    loadApplicationFont(GlobalData::instance()->font, applicationFontPath, GlobalConfig::instance()->fontPixelSize);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
