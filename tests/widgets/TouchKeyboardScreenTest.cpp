// Runs on a real X server with no window manager and no session bus (the
// touch panel's situation), driven from outside by xdotool as a finger would.
#include "LineEdit.h"
#include "TouchKeyboard.h"

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
void pressKey(const QRect &keyboard, qreal across, qreal down)
{
    tap(keyboard.topLeft() + QPoint(qRound(keyboard.width() * across), qRound(keyboard.height() * down)));
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
    TouchKeyboard::instance()->open();
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

    tap(field);
    QTRY_COMPARE_WITH_TIMEOUT(clicked.count(), 1, StartTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!shownKeyboard().isEmpty(), StartTimeout);
    QRect keyboard = shownKeyboard();
    QVERIFY2(!keyboard.contains(field), "the keyboard covers the field");
    pressKey(keyboard, KeyQ.x(), KeyQ.y());
    QTRY_COMPARE_WITH_TIMEOUT(edit.text(), QString("q"), StartTimeout);
    pressKey(keyboard, KeyW.x(), KeyW.y());
    QTRY_COMPARE_WITH_TIMEOUT(edit.text(), QString("qw"), StartTimeout);
    QVERIFY(edit.hasFocus());

    pressKey(keyboard, HideKey.x(), HideKey.y());
    QTRY_VERIFY_WITH_TIMEOUT(shownKeyboard().isEmpty(), StartTimeout);

    tap(field);
    QTRY_COMPARE_WITH_TIMEOUT(clicked.count(), 2, StartTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!shownKeyboard().isEmpty(), StartTimeout);
    keyboard = shownKeyboard();
    pressKey(keyboard, KeyE.x(), KeyE.y());
    QTRY_COMPARE_WITH_TIMEOUT(edit.text(), QString("qwe"), StartTimeout);

    // A tap while the keyboard is shown changes nothing either.
    tap(field);
    QTRY_COMPARE_WITH_TIMEOUT(clicked.count(), 3, StartTimeout);
    const QString keyboardName = QFileInfo(TouchKeyboard::instance()->program()).fileName();
    QCOMPARE(childProcesses(QCoreApplication::applicationPid(), keyboardName).size(), 1);
    QCOMPARE(childProcesses(QCoreApplication::applicationPid(), "dbus-daemon").size(), 1);
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
