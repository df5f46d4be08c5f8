// One step of dragging a range line over a whole profile of 21000 samples: the
// new stretch is evaluated and every plot of the curve area is redrawn, which
// is what the operator waits for between two finger positions.

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

namespace {

constexpr int kSamples = 21000;

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

void BM_RangeLineDragStep(benchmark::State &state)
{
    GlobalData *data = GlobalData::instance();
    data->settingsData = {2, 0, 0, 0, 0, 1, 4, 0};
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
    int step = -1;
    for (auto _ : state) {
        // Back and forth over a hundred pixels, so every step is a new stretch.
        if (x < plot->width() / 2 || x > plot->width() - 60)
            step = -step;
        x += step;
        sendMouse(plot, QEvent::MouseMove, QPoint(x, y));
        QApplication::processEvents();
    }
    sendMouse(plot, QEvent::MouseButtonRelease, QPoint(x, y));
    benchmark::DoNotOptimize(data->calcutateResult.parameters);
}

BENCHMARK(BM_RangeLineDragStep)->Unit(benchmark::kMillisecond);

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
