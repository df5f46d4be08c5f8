// Runs on a real X server with no window manager and no session bus (the
// touch panel's situation), driven from outside by xdotool as a finger would.
#include "LineEdit.h"
#include "OnboardScreen.h"
#include "TouchKeyboard.h"
#include "UiUtilities.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace OnboardScreen;

namespace {

const int StartTimeout = 45000;

// The running, not yet ended children of a process with the given name.
QList<qint64> childProcesses(qint64 parent, const QString &name)
{
    QList<qint64> found;
    for (const QString &entry : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + entry + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(stat.readAll());
        const QString command = text.section('(', 1).section(')', 0, 0);
        const QStringList rest = text.section(')', -1).split(' ', Qt::SkipEmptyParts);
        if (rest.size() > 1 && command == name && rest.at(0) != "Z" && rest.at(1).toLongLong() == parent)
            found << entry.toLongLong();
    }
    return found;
}

bool ended(qint64 pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    return !stat.open(QIODevice::ReadOnly) ||
           QString::fromUtf8(stat.readAll()).section(')', -1).trimmed().startsWith('Z');
}

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
    QTRY_COMPARE_WITH_TIMEOUT(childProcesses(QCoreApplication::applicationPid(), keyboardName).size(), 1, StartTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(childProcesses(QCoreApplication::applicationPid(), "dbus-daemon").size(), 1,
                              StartTimeout);
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

void TouchKeyboardScreenTest::keyboardEndsWithItsProgram()
{
    QFETCH(int, ending);
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QCoreApplication::applicationFilePath(), {"--hold-keyboard"});
    QVERIFY(program.waitForStarted());
    const QString keyboardName = QFileInfo(TouchKeyboard::instance()->program()).fileName();
    const auto started = [&] {
        return childProcesses(program.processId(), keyboardName) + childProcesses(program.processId(), "dbus-daemon");
    };
    QTRY_COMPARE_WITH_TIMEOUT(started().size(), 2, StartTimeout);
    const QList<qint64> pids = started();

    if (ending == 0)
        program.write("\n");
    else
        ::kill(program.processId(), ending);
    QVERIFY(program.waitForFinished(StartTimeout));
    for (qint64 pid : pids)
        QTRY_VERIFY2_WITH_TIMEOUT(ended(pid), qPrintable(QString("process %1 outlived its program").arg(pid)),
                                  StartTimeout);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The keyboard keeps its settings below the home folder: start from its
    // defaults and leave the user's alone.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    if (app.arguments().contains("--hold-keyboard"))
        return holdKeyboard(app);
    TouchKeyboardScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TouchKeyboardScreenTest.moc"
