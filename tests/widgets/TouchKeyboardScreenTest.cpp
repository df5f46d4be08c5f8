// Runs on a real X server with no window manager and no session bus (the
// touch panel's situation), driven from outside by xdotool as a finger would.
#include "LineEdit.h"
#include "TouchKeyboard.h"
#include "UiUtilities.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <optional>

namespace {

const int StartTimeout = 45000;
const int TapTimeout = 8000;

// The program's output, or nothing when it failed: xdotool stops with an X
// error, and no output, when a window goes away while it looks at the
// windows, which says nothing about the keyboard.
std::optional<QString> run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        !process.readAllStandardError().isEmpty())
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

void tap(const QPoint &global)
{
    run("xdotool", {"mousemove", QString::number(global.x()), QString::number(global.y()), "click", "1"});
}

// The keyboard's main window, an empty rectangle while none is shown, or
// nothing when a look failed; its other, tiny windows are never the biggest.
std::optional<QRect> shownKeyboard()
{
    const std::optional<QString> ids = run("xdotool", {"search", "--onlyvisible", "--name", "^Onboard$"});
    if (!ids)
        return std::nullopt;
    QRect biggest;
    for (const QString &id : ids->split('\n', Qt::SkipEmptyParts)) {
        const std::optional<QString> geometry = run("xdotool", {"getwindowgeometry", "--shell", id});
        if (!geometry)
            return std::nullopt;
        QRect area;
        for (const QString &line : geometry->split('\n')) {
            const QString value = line.section('=', 1);
            if (line.startsWith("X="))
                area.moveLeft(value.toInt());
            else if (line.startsWith("Y="))
                area.moveTop(value.toInt());
            else if (line.startsWith("WIDTH="))
                area.setWidth(value.toInt());
            else if (line.startsWith("HEIGHT="))
                area.setHeight(value.toInt());
        }
        if (area.width() * area.height() > biggest.width() * biggest.height())
            biggest = area;
    }
    return biggest;
}

// The keyboard's place once two readings a short pause apart agree, an empty
// rectangle when both find it hidden, or nothing while it comes, goes or
// moves, or when a reading failed.
std::optional<QRect> settledKeyboard()
{
    const std::optional<QRect> first = shownKeyboard();
    if (!first)
        return std::nullopt;
    QTest::qWait(200);
    const std::optional<QRect> second = shownKeyboard();
    if (second != first)
        return std::nullopt;
    return second;
}

// Whether the keyboard is shown and settled, with its place in keyboard.
bool keyboardShown(QRect &keyboard)
{
    const std::optional<QRect> seen = settledKeyboard();
    if (!seen || seen->isEmpty())
        return false;
    keyboard = *seen;
    return true;
}

bool keyboardHidden()
{
    const std::optional<QRect> seen = settledKeyboard();
    return seen && seen->isEmpty();
}

// Keys by their place in the keyboard's window, which is the same whatever
// size the window has.
QPoint key(const QRect &keyboard, const QPointF &place)
{
    return keyboard.topLeft() + QPoint(qRound(keyboard.width() * place.x()), qRound(keyboard.height() * place.y()));
}

// A press on the keyboard can hold the pointer for a moment, a key tapped
// while the keyboard comes up can be lost, and a keyboard shown again while
// it is still hiding can hide once more: a finger would tap again, the field
// first if the keyboard is gone, and so does the test until the tap shows its
// effect.
template <typename Done> bool tapUntil(const QPoint &field, const QPointF *place, Done done)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        QRect keyboard;
        tap(place && keyboardShown(keyboard) ? key(keyboard, *place) : field);
        if (QTest::qWaitFor(done, TapTimeout))
            return true;
    }
    return false;
}

const QPointF KeyQ(0.131, 0.31);
const QPointF KeyW(0.191, 0.31);
const QPointF KeyE(0.252, 0.31);
const QPointF HideKey(0.953, 0.12);

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
