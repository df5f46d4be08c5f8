#include "OnboardScreen.h"
#include "ProcessEnd.h"
#include "ProcessTree.h"
#include "ProgramCopy.h"
#include "SimulatorProcess.h"
#include "XScreen.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <csignal>
#include <cstdio>

// When the program is ended, counted from the tap in a text field that
// starts its keyboard.
enum class Moment {
    AfterTap,
    KeyboardShown,
    ServiceStarting,
};
Q_DECLARE_METATYPE(Moment)

namespace {

constexpr int kStartTimeoutMs = 60000;
constexpr int kScreenTimeoutMs = 20000;
// Whatever outlives its program ends within moments or never.
constexpr int kLeftoverTimeoutMs = 10000;
// The data page's button in the navigation column, the selection bar beside
// it, and the page number field of its pager.
const QPoint kDataPageButton(45, 170);
const QPoint kDataPageBar(3, 165);
const QPoint kPageField(788, 87);

// A stand-in for the keyboard, found first on the program's path: it leaves a
// process of its own in a session apart, and asks the keyboard's bus for a
// service that the bus starts and that never comes up.
const char kStandIn[] = "#!/bin/sh\n"
                        "setsid sleep 600 &\n"
                        "exec dbus-send --session --print-reply --dest=org.orlimo.Stuck /org/orlimo/Stuck "
                        "org.orlimo.Stuck.Ping\n";
const char kStuckService[] = "[D-BUS Service]\nName=org.orlimo.Stuck\nExec=/bin/sleep 600\n";
const char kServiceStarts[] = "Activating service name='org.orlimo.Stuck'";

// A window just shown may not take the first tap yet: tapped again, as a
// finger would.
bool showDataPage()
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (!XScreen::tap(kDataPageButton))
            return false;
        const QImage shown = XScreen::awaitScreen(kScreenTimeoutMs / 4, [](const QImage &screen) {
            const QRgb bar = screen.pixel(kDataPageBar);
            return qBlue(bar) > 140 && qGreen(bar) < 60;
        });
        if (!shown.isNull())
            return true;
    }
    return false;
}

bool writeFile(const QString &path, const QByteArray &text, QFileDevice::Permissions permissions)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(text) == text.size() &&
           file.setPermissions(permissions);
}

}

// The program itself on an X server without a window manager, as on the
// instrument's touch panel: a real tap in a text field starts its keyboard,
// and the program is ended by a signal at some moment of that start. Nothing
// started for the keyboard may outlive it: the keyboard, its bus, what the
// bus starts, what any of them leaves running in a session of its own.
class KeyboardEndsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void nothingStartedForTheKeyboardOutlivesTheProgram_data();
    void nothingStartedForTheKeyboardOutlivesTheProgram();

private:
    ProgramCopy copy;
    QString workFolder;
    QString standInFolder;
    SimulatorProcess simulator;
};

void KeyboardEndsTest::initTestCase()
{
    QVERIFY(copy.setUp(ORLIMO_PROGRAM));
    workFolder = copy.root.filePath("work");
    QVERIFY(QDir().mkpath(workFolder));
    // The keyboard's settings stay away from the user's.
    copy.environment.insert("HOME", copy.root.filePath("home"));
    copy.environment.insert("QT_QPA_PLATFORM", "xcb");
    QVERIFY(QDir().mkpath(copy.root.filePath("home")));
    standInFolder = copy.root.filePath("stand-in");
    const auto executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QVERIFY(writeFile(standInFolder + "/bin/onboard", kStandIn, executable));
    QVERIFY(writeFile(standInFolder + "/share/dbus-1/services/org.orlimo.Stuck.service", kStuckService,
                      QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    // The simulator announces its port in the program's temporary folder.
    qputenv("TMPDIR", copy.root.filePath("tmp").toLocal8Bit());
    QVERIFY(simulator.start("keyboard-ends", {}));
}

void KeyboardEndsTest::cleanupTestCase()
{
    simulator.stop();
}

void KeyboardEndsTest::nothingStartedForTheKeyboardOutlivesTheProgram_data()
{
    QTest::addColumn<int>("ending");
    QTest::addColumn<Moment>("moment");
    QTest::addColumn<int>("delayMs");
    for (const auto &[ending, name] : {std::pair{SIGTERM, "SIGTERM"}, std::pair{SIGINT, "SIGINT"},
                                       std::pair{SIGKILL, "SIGKILL"}}) {
        for (const int delay : {0, 300, 1000})
            QTest::addRow("%s %d ms after the tap", name, delay) << ending << Moment::AfterTap << delay;
        QTest::addRow("%s once the keyboard is shown", name) << ending << Moment::KeyboardShown << 0;
        QTest::addRow("%s as its bus starts a service", name) << ending << Moment::ServiceStarting << 0;
    }
}

void KeyboardEndsTest::nothingStartedForTheKeyboardOutlivesTheProgram()
{
    QFETCH(int, ending);
    QFETCH(Moment, moment);
    QFETCH(int, delayMs);

    const ProcessTree::Mark mark;
    QProcessEnvironment environment = copy.environment;
    mark.addTo(environment);
    if (moment == Moment::ServiceStarting) {
        environment.insert("PATH", standInFolder + "/bin:" + environment.value("PATH"));
        environment.insert("XDG_DATA_DIRS", standInFolder + "/share");
    }
    // Before the program, which may still read its output as it goes.
    QByteArray output;
    bool serviceStarting = false;
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(workFolder);
    // The program's output comes through the test, so that a process left
    // behind holds the test's pipe rather than the test's own output. The
    // bus's lines are among it: the program ends the moment the bus says it
    // starts the service.
    program.setProcessChannelMode(QProcess::MergedChannels);
    connect(&program, &QProcess::readyRead, &program, [&] {
        const QByteArray text = program.readAll();
        output += text;
        if (moment == Moment::ServiceStarting && !serviceStarting && output.contains(kServiceStarts)) {
            serviceStarting = true;
            ::kill(program.processId(), ending);
        }
        std::fputs(text.constData(), stderr);
    });
    program.start(copy.program, QStringList());
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(XScreen::showsWindow(program.processId()), kStartTimeoutMs);
    QVERIFY(ProcessTree::runsWithoutOpenGlDriver(program.processId()));

    QVERIFY2(showDataPage(), "a tap on its button does not show the data page");
    QVERIFY(XScreen::tap(kPageField));

    switch (moment) {
    case Moment::AfterTap:
        QTest::qWait(delayMs);
        ::kill(program.processId(), ending);
        break;
    case Moment::KeyboardShown: {
        QRect keyboard;
        QTRY_VERIFY_WITH_TIMEOUT(OnboardScreen::keyboardShown(keyboard), kStartTimeoutMs);
        ::kill(program.processId(), ending);
        break;
    }
    case Moment::ServiceStarting:
        QTRY_VERIFY2_WITH_TIMEOUT(serviceStarting, "the keyboard's bus starts no service", kStartTimeoutMs);
        break;
    }
    QVERIFY(processEnded(program, kStartTimeoutMs));
    const QStringList left = mark.leftAfter(kLeftoverTimeoutMs);
    QVERIFY2(left.isEmpty(), qPrintable("outlived the program: " + left.join(", ")));
}

QTEST_MAIN(KeyboardEndsTest)
#include "KeyboardEndsTest.moc"
