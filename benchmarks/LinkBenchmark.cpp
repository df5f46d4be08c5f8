// Time from the unit's completion report to the evaluated profile, over a
// real pseudo-terminal opened as a serial port, against what the serial line
// itself needs for the same bytes at 921600 baud.

#include "CalculateController.h"
#include "DriveUnit.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "NetworkController.h"
#include "PortList.h"
#include "ProtocolIds.h"
#include "PseudoTerminal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

constexpr int kSamples = 21000;
constexpr int kSampleBytes = 4;
// Start, stop and data bits of one byte on the line.
constexpr double kBitsPerByte = 10.0;
constexpr double kBaudRate = 921600.0;
// A package request carries the package number after the payload prefix.
constexpr int kRequestPayloadBytes = kPayloadPrefixSize + 2;

bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return condition();
}

// Stop-and-wait over one line: every package must be asked for and then
// arrive before the next request leaves.
double wireSeconds(int packageSize)
{
    const int packages = (kSamples + packageSize - 1) / packageSize;
    const double replyBytes =
        packages * (kFrameOverhead + kPayloadPrefixSize + kSampleBytes) + double(kSamples) * kSampleBytes;
    const double requestBytes = packages * double(kFrameOverhead + kRequestPayloadBytes);
    return (replyBytes + requestBytes) * kBitsPerByte / kBaudRate;
}

struct Rig {
    Rig()
    {
        PortList::setAnnounceFolder(folder.path());
        DriveUnit::Timing timing;
        timing.startMs = 20;
        timing.traverseMs = 200;
        timing.returnMs = 100;
        unit.setTiming(timing);
        unit.setSampleCount(kSamples);
        QObject::connect(&terminal, &PseudoTerminal::bytesReceived, &unit, &DriveUnit::receive);
        QObject::connect(&unit, &DriveUnit::bytesOut, &terminal, &PseudoTerminal::write);
        ready = terminal.open() && terminal.announce(folder.path(), "bench");

        GlobalManager *manager = GlobalManager::instance();
        GlobalData *data = GlobalData::instance();
        data->isAutoSave = false;
        data->settingsData = {2, 0, 0, 0, 0, 1, 4, 0};
        manager->calculateController->updateParameterNameList();
        QObject::connect(data, &GlobalData::measureDataListChanged, data, [data] {
            data->setCalculateRange(0, data->calcutateResult.measureDataList.size() - 1);
        });
        link = manager->networkController;
        link->init();
        ready = ready && waitFor(
                             [this] {
                                 return link->moterConnectStatus;
                             },
                             10000);
    }

    QTemporaryDir folder;
    DriveUnit unit;
    PseudoTerminal terminal;
    NetworkController *link = nullptr;
    bool ready = false;
};

Rig &rig()
{
    static Rig instance;
    return instance;
}

void BM_CompletionToEvaluatedProfile(benchmark::State &state)
{
    Rig &setup = rig();
    if (!setup.ready) {
        state.SkipWithError("no link to the simulated unit");
        return;
    }
    const int packageSize = int(state.range(0));
    setup.unit.setPackageSize(quint16(packageSize));
    NetworkController *link = setup.link;
    QElapsedTimer clock;
    qint64 packagesInNs = 0;
    qint64 evaluatedNs = 0;
    // The fetching flag rises with the completion report and falls once the
    // last package is in, just before the profile is evaluated.
    auto fetching = QObject::connect(link, &NetworkController::recvMeasureResultStatusChanged, link, [&](bool status) {
        if (status)
            clock.start();
        else
            packagesInNs = clock.nsecsElapsed();
    });
    auto evaluated = QObject::connect(link, &NetworkController::dataReceiveCompleted, link, [&] {
        evaluatedNs = clock.nsecsElapsed();
    });
    double fetchSeconds = 0.0;
    double evaluateSeconds = 0.0;
    for (auto _ : state) {
        evaluatedNs = 0;
        link->startMeasurement();
        if (!waitFor(
                [&] {
                    return evaluatedNs > 0 && !link->moterMoveStatus;
                },
                60000)) {
            state.SkipWithError("the profile did not arrive");
            break;
        }
        state.SetIterationTime(double(evaluatedNs) / 1e9);
        fetchSeconds += double(packagesInNs) / 1e9;
        evaluateSeconds += double(evaluatedNs - packagesInNs) / 1e9;
    }
    QObject::disconnect(fetching);
    QObject::disconnect(evaluated);
    const double iterations = double(state.iterations());
    state.counters["fetch_ms"] = iterations > 0 ? 1000.0 * fetchSeconds / iterations : 0.0;
    state.counters["evaluate_ms"] = iterations > 0 ? 1000.0 * evaluateSeconds / iterations : 0.0;
    state.counters["wire_ms"] = 1000.0 * wireSeconds(packageSize);
    state.counters["samples"] = GlobalData::instance()->calcutateResult.measureDataList.size();
}

}

BENCHMARK(BM_CompletionToEvaluatedProfile)
    ->Arg(1000)
    ->Arg(4000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
