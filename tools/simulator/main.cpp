// A stand-in for the instrument's drive unit: it opens a pseudo-terminal,
// announces it where the program's port list looks, and answers the
// program's commands like the unit, with switchable line faults.

#include "DriveUnit.h"
#include "FaultyLine.h"
#include "PortList.h"
#include "PseudoTerminal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
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
        {"name", "Name of the announced link.", "name", QStringLiteral("unit-%1").arg(QCoreApplication::applicationPid())},
        {"serial", "Serial number in the heartbeat reply.", "text", "SIM0001"},
        {"sample-type", "Sample type of the packages: 0 int8, 1 uint16, 2 uint32, 3 int32.", "type", "3"},
        {"package-size", "Samples per profile package.", "count", "1000"},
        {"samples", "Fixed sample count (default: from the sampling length and number).", "count", "0"},
        {"traverse-ms", "Duration of the traverse.", "ms", "3000"},
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
    DriveUnit::Timing timing;
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
    unit.line()->setFaults(faults);

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
        QTimer::singleShot(seconds * 1000, &unit, [&unit] { unit.line()->setSilent(true); });
    if (const int seconds = intOption(parser, "vanish-after"); seconds > 0)
        QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);

    quitOnSignals(app);
    const int result = app.exec();
    delete terminal;
    return result;
}
