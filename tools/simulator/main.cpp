// A stand-in for the instrument's drive unit: it opens a pseudo-terminal,
// announces it where the program's port list looks, and answers the
// program's commands like the unit, with switchable line faults.

#include "DriveUnit.h"
#include "FaultyLine.h"
#include "PortList.h"
#include "ProtocolIds.h"
#include "PseudoTerminal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QPair>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <optional>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2];

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// Ends the event loop on SIGINT and SIGTERM, so the link is removed.
void quitOnSignals(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

int intOption(const QCommandLineParser &parser, const QString &name)
{
    return parser.value(name).toInt();
}

// Frame kinds by name, for the options that name a point in a run.
const QList<QPair<QString, quint8>> kFrameKinds = {
    {"heartbeat", FunctionType::HeartBeat},         {"settings", FunctionType::MeasureSettings},
    {"start", FunctionType::StartMeasurement},      {"completed", FunctionType::MeasurementCompleted},
    {"package", FunctionType::GetOnePacket},        {"out-of-range", FunctionType::OutOfMeasurementRange},
    {"end-of-return", FunctionType::EndOfReturn},   {"live", FunctionType::RealTimeData},
    {"speed-error", FunctionType::MotorSpeedError}, {"stop", FunctionType::StopMeasurement},
    {"factor", FunctionType::CalibrationFactor},
};

// "KIND" or "KIND:N": the n-th frame (the first without N) of a kind given
// by name or by function type number.
std::optional<FrameEvent> frameEvent(const QString &text)
{
    const QStringList parts = text.split(':');
    if (parts.size() > 2)
        return std::nullopt;
    FrameEvent event;
    bool known = false;
    for (const auto &kind : kFrameKinds) {
        if (kind.first == parts.at(0)) {
            event.functionType = kind.second;
            known = true;
        }
    }
    if (!known) {
        const int number = parts.at(0).toInt(&known);
        known = known && number >= 0 && number <= 255;
        event.functionType = quint8(number);
    }
    bool counted = true;
    event.count = parts.size() == 2 ? parts.at(1).toInt(&counted) : 1;
    if (!known || !counted || event.count < 1)
        return std::nullopt;
    return event;
}

// False, with a message, for a value that names no frame.
bool readFrameEvent(const QCommandLineParser &parser, const QString &name, FrameEvent &event)
{
    if (!parser.isSet(name))
        return true;
    const std::optional<FrameEvent> parsed = frameEvent(parser.value(name));
    if (!parsed) {
        std::fprintf(stderr, "orlimo-simulator: --%s: not a frame kind: %s\n", qPrintable(name),
                     qPrintable(parser.value(name)));
        return false;
    }
    event = *parsed;
    return true;
}

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orlimo-simulator"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Drive-unit simulator on a pseudo-terminal"));
    parser.addHelpOption();
    const QList<QCommandLineOption> options = {
        {"announce-folder", "Folder of the announced link.", "folder", PortList::announceFolder()},
        {"name", "Name of the announced link.", "name",
         QStringLiteral("unit-%1").arg(QCoreApplication::applicationPid())},
        {"serial", "Serial number in the heartbeat reply.", "text", "SIM0001"},
        {"sample-type", "Sample type of the packages: 0 int8, 1 uint16, 2 uint32, 3 int32.", "type", "3"},
        {"package-size", "Samples per profile package.", "count", "1000"},
        {"samples", "Fixed sample count (default: from the sampling length and number).", "count", "0"},
        {"start-ms", "Pause between the start reply and the traverse.", "ms", "300"},
        {"traverse-ms", "Duration of the traverse.", "ms", "3000"},
        {"live-ms", "Period of the live samples during the traverse.", "ms", "50"},
        {"return-ms", "Duration of the return.", "ms", "2000"},
        {"uncalibrated", "Start with the drive speed not calibrated."},
        {"delay", "Fault: every frame leaves this late.", "ms", "0"},
        {"lose", "Fault: every n-th frame is lost.", "n", "0"},
        {"bad-crc", "Fault: every n-th frame carries a wrong CRC.", "n", "0"},
        {"garbage", "Fault: every n-th frame comes after garbage bytes.", "n", "0"},
        {"split", "Fault: every frame is written in several pieces."},
        {"glue", "Fault: frames are written two at a time."},
        {"duplicate-package", "Fault: every profile package is sent twice."},
        {"patterns-in-data", "Put the header and tail byte patterns among the samples."},
        {"package-faults-only", "Fault: loss, wrong CRCs and garbage hit only profile packages."},
        {"silent-after", "Fault: stop answering after this many seconds.", "s", "0"},
        {"vanish-after", "Fault: remove the port after this many seconds.", "s", "0"},
        {"drop-report", "Fault: this one frame never arrives (KIND[:N], the n-th of its kind).", "kind"},
        {"bad-crc-report", "Fault: this one frame carries a wrong CRC (KIND[:N]).", "kind"},
        {"silent-after-frame", "Fault: stop answering once this frame is out (KIND[:N]).", "kind"},
        {"vanish-after-frame", "Fault: remove the port once this frame is out (KIND[:N]).", "kind"},
        {"ignore-start", "Fault: take no notice of the start command."},
        {"motor-speed-error", "Fault: report a motor speed error halfway through the traverse and stop."},
    };
    parser.addOptions(options);
    parser.process(app);

    DriveUnit unit;
    unit.setSerialNumber(parser.value("serial"));
    unit.setSampleType(quint8(qBound(0, intOption(parser, "sample-type"), 3)));
    unit.setPackageSize(quint16(qBound(1, intOption(parser, "package-size"), 16000)));
    unit.setSampleCount(intOption(parser, "samples"));
    unit.setSpeedCalibrated(!parser.isSet("uncalibrated"));
    unit.setDuplicatePackages(parser.isSet("duplicate-package"));
    unit.setPatternsInProfile(parser.isSet("patterns-in-data"));
    unit.setIgnoreStart(parser.isSet("ignore-start"));
    unit.setMotorSpeedError(parser.isSet("motor-speed-error"));
    DriveUnit::Timing timing;
    timing.startMs = intOption(parser, "start-ms");
    timing.liveIntervalMs = qMax(1, intOption(parser, "live-ms"));
    timing.traverseMs = intOption(parser, "traverse-ms");
    timing.returnMs = intOption(parser, "return-ms");
    unit.setTiming(timing);
    LineFaults faults;
    faults.delayMs = intOption(parser, "delay");
    faults.loseEvery = intOption(parser, "lose");
    faults.badCrcEvery = intOption(parser, "bad-crc");
    faults.garbageEvery = intOption(parser, "garbage");
    faults.split = parser.isSet("split");
    faults.glue = parser.isSet("glue");
    faults.packagesOnly = parser.isSet("package-faults-only");
    if (!readFrameEvent(parser, "drop-report", faults.drop) ||
        !readFrameEvent(parser, "bad-crc-report", faults.damage) ||
        !readFrameEvent(parser, "silent-after-frame", faults.silentAfter) ||
        !readFrameEvent(parser, "vanish-after-frame", faults.vanishAfter))
        return 1;
    unit.line()->setFaults(faults);
    QObject::connect(unit.line(), &FaultyLine::vanishing, &app, &QCoreApplication::quit);

    auto *terminal = new PseudoTerminal(&app);
    if (!terminal->open() || !terminal->announce(parser.value("announce-folder"), parser.value("name"))) {
        std::fprintf(stderr, "orlimo-simulator: cannot open or announce a pseudo-terminal\n");
        return 1;
    }
    QObject::connect(terminal, &PseudoTerminal::bytesReceived, &unit, &DriveUnit::receive);
    QObject::connect(&unit, &DriveUnit::bytesOut, terminal, &PseudoTerminal::write);
    std::printf("%s -> %s\n", qPrintable(terminal->announcedPath()), qPrintable(terminal->slavePath()));
    std::fflush(stdout);

    if (const int seconds = intOption(parser, "silent-after"); seconds > 0)
        QTimer::singleShot(seconds * 1000, &unit, [&unit] {
            unit.line()->setSilent(true);
        });
    if (const int seconds = intOption(parser, "vanish-after"); seconds > 0)
        QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);

    quitOnSignals(app);
    const int result = app.exec();
    delete terminal;
    return result;
}
