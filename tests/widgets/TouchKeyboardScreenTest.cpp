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

namespace {

const int StartTimeout = 45000;

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

void tap(const QPoint &global)
{
    run("xdotool", {"mousemove", QString::number(global.x()), QString::number(global.y()), "click", "1"});
}

// The keyboard's main window, or 0 while none is shown; its other, tiny
// windows are never the biggest.
QRect shownKeyboard()
{
    QRect biggest;
    const QStringList ids = run("xdotool", {"search", "--onlyvisible", "--name", "^Onboard$"}).split('\n');
    for (const QString &id : ids) {
        if (id.isEmpty())
            continue;
        QRect area;
        for (const QString &line : run("xdotool", {"getwindowgeometry", "--shell", id}).split('\n')) {
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
        const QRect keyboard = shownKeyboard();
        tap(place && !keyboard.isEmpty() ? key(keyboard, *place) : field);
        if (QTest::qWaitFor(done, 8000))
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

    const auto shown = [] {
        return !shownKeyboard().isEmpty();
    };
    QVERIFY(tapUntil(field, nullptr, shown));
    const QRect keyboard = shownKeyboard();
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

    QVERIFY(tapUntil(field, &HideKey, [] {
        return shownKeyboard().isEmpty();
    }));

    const int taps = clicked.count();
    QVERIFY(tapUntil(field, nullptr, shown));
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
    QCOMPARE(shownKeyboard(), keyboard);
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
