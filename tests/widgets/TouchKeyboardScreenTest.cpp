// Runs on a real X server with no window manager and no session bus (the
// touch panel's situation), driven from outside by xdotool as a finger would.
#include "LineEdit.h"
#include "OnboardScreen.h"
#include "ProcessEnd.h"
#include "ProcessTree.h"
#include "TouchKeyboard.h"
#include "UiUtilities.h"

#include <QApplication>
#include <QScreen>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <string>

using namespace OnboardScreen;

namespace {

const int StartTimeout = 45000;
// Whatever outlives its program ends within moments or never.
const int LeftoverTimeout = 10000;

// The program as the keyboard sees it: it opens the keyboard and waits, and
// quits when a line arrives on its input.
int holdKeyboard(QApplication &app)
{
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, &QApplication::quit);
    openTouchKeyboard();
    return app.exec();
}

}

class TouchKeyboardScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void tapsShowTheKeyboardAndItsKeysTypeIntoTheField();
    void keyboardEndsWithItsProgram_data();
    void keyboardEndsWithItsProgram();
};

void TouchKeyboardScreenTest::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    QVERIFY2(!QStandardPaths::findExecutable("xdotool").isEmpty(), "xdotool is not installed");
    QVERIFY2(!QStandardPaths::findExecutable(TouchKeyboard::instance()->program()).isEmpty(),
             "the keyboard program is not installed");
}

void TouchKeyboardScreenTest::tapsShowTheKeyboardAndItsKeysTypeIntoTheField()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(QGuiApplication::primaryScreen()->geometry());
    LineEdit edit(&window);
    edit.setValidatorType(LineEdit::FileName);
    edit.setGeometry(40, 40, 400, 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(ProcessTree::runsWithoutOpenGlDriver(QCoreApplication::applicationPid()));
    QSignalSpy clicked(&edit, &LineEdit::clicked);
    const QPoint field = edit.mapToGlobal(edit.rect().center());

    QRect keyboard;
    QVERIFY(tapUntil(field, nullptr, [&] {
        return keyboardShown(keyboard);
    }));
    QVERIFY2(!keyboard.isEmpty(), "no keyboard is shown");
    QVERIFY2(!keyboard.contains(field), "the keyboard covers the field");
    QVERIFY(tapUntil(field, &KeyQ, [&] {
        return !edit.text().isEmpty();
    }));
    QCOMPARE(edit.text(), QString("q"));
    QVERIFY(tapUntil(field, &KeyW, [&] {
        return edit.text() != "q";
    }));
    QCOMPARE(edit.text(), QString("qw"));
    QVERIFY(edit.hasFocus());

    QVERIFY(tapUntil(field, &HideKey, keyboardHidden));

    const int taps = clicked.count();
    QRect shownAgain;
    QVERIFY(tapUntil(field, nullptr, [&] {
        return keyboardShown(shownAgain);
    }));
    QCOMPARE(shownAgain, keyboard);
    QVERIFY(clicked.count() > taps);
    QVERIFY(tapUntil(field, &KeyE, [&] {
        return edit.text() != "qw";
    }));
    QCOMPARE(edit.text(), QString("qwe"));

    // A tap while the keyboard is shown changes nothing either.
    const int shownTaps = clicked.count();
    QVERIFY(tapUntil(field, nullptr, [&] {
        return clicked.count() > shownTaps;
    }));
    const QString keyboardName = QFileInfo(TouchKeyboard::instance()->program()).fileName();
    const qint64 self = QCoreApplication::applicationPid();
    QTRY_COMPARE_WITH_TIMEOUT(ProcessTree::descendants(self, keyboardName).size(), 1, StartTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(ProcessTree::descendants(self, "dbus-daemon").size(), 1, StartTimeout);
    // Failing, the comparison shows where the keyboard was seen last.
    QRect last;
    const auto stays = [&] {
        return keyboardShown(last) && last == keyboard;
    };
    if (!QTest::qWaitFor(stays, TapTimeout))
        QCOMPARE(last, keyboard);
}

void TouchKeyboardScreenTest::keyboardEndsWithItsProgram_data()
{
    QTest::addColumn<int>("ending");
    QTest::newRow("quits") << 0;
    QTest::newRow("terminated") << int(SIGTERM);
    QTest::newRow("killed") << int(SIGKILL);
}

// Every process started for the keyboard carries the mark the program got,
// whatever started it: the keyboard, its bus, what the bus starts.
void TouchKeyboardScreenTest::keyboardEndsWithItsProgram()
{
    QFETCH(int, ending);
    const ProcessTree::Mark mark;
    QProcess program;
    program.setProcessEnvironment(mark.environment());
    // The program's output comes through the test, so that a process left
    // behind holds the test's pipe rather than the test's own output.
    program.setProcessChannelMode(QProcess::MergedChannels);
    connect(&program, &QProcess::readyRead, &program, [&program] {
        std::fputs(program.readAll().constData(), stderr);
    });
    program.start(QCoreApplication::applicationFilePath(), {"--hold-keyboard"});
    QVERIFY(program.waitForStarted());
    const QString keyboardName = QFileInfo(TouchKeyboard::instance()->program()).fileName();
    QTRY_VERIFY_WITH_TIMEOUT(ProcessTree::descendants(program.processId(), keyboardName).size() == 1 &&
                                 ProcessTree::descendants(program.processId(), "dbus-daemon").size() == 1,
                             StartTimeout);

    if (ending == 0)
        program.write("\n");
    else
        ::kill(program.processId(), ending);
    QVERIFY(processEnded(program, StartTimeout));
    const QStringList left = mark.leftAfter(LeftoverTimeout);
    QVERIFY2(left.isEmpty(), qPrintable("outlived their program: " + left.join(", ")));
}

int main(int argc, char **argv)
{
    const bool held = std::find(argv, argv + argc, std::string("--hold-keyboard")) != argv + argc;
    // Whatever the test starts, at any depth, carries the mark and has ended
    // with the test: the keyboard it opens itself goes with the application
    // object.
    const ProcessTree::Mark mark;
    int result = 0;
    {
        QApplication app(argc, argv);
        // The keyboard keeps its settings below the home folder: start from
        // its defaults and leave the user's alone.
        QTemporaryDir home;
        qputenv("HOME", home.path().toUtf8());
        if (held)
            return holdKeyboard(app);
        qputenv(ProcessTree::Mark::Name, mark.value.toUtf8());
        TouchKeyboardScreenTest test;
        result = QTest::qExec(&test, argc, argv);
    }
    const QStringList left = mark.leftAfter(LeftoverTimeout);
    if (!left.isEmpty()) {
        std::fprintf(stderr, "FAIL!  : outlived the test: %s\n", qPrintable(left.join(", ")));
        return 1;
    }
    return result;
}

#include "TouchKeyboardScreenTest.moc"
