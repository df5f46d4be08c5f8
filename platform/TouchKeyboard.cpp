#include "TouchKeyboard.h"

#include "ChildProcess.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace {

const char *const BusProgram = "dbus-daemon";
const char *const BusMessageProgram = "dbus-send";

// The program's path, or empty, with a debug line, when it is not installed.
QString installedProgram(const QString &program)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        qDebug() << "屏幕键盘程序不存在:" << program;
    return path;
}

}

TouchKeyboard *TouchKeyboard::instance()
{
    static TouchKeyboard *const keyboard = new TouchKeyboard(QCoreApplication::instance());
    return keyboard;
}

TouchKeyboard::TouchKeyboard(QObject *parent)
    : QObject(parent)
    , keyboardProgram("onboard")
    , bus(new ChildProcess(this))
    , keyboard(new ChildProcess(this))
    , showRequest(new ChildProcess(this))
    , startPending(false)
{
    bus->setReadsOutput(true);
    connect(bus, &ChildProcess::lineRead, this, &TouchKeyboard::readBusAddress);
    // Without its own bus the keyboard still gets its chance: in a desktop
    // session it finds the session's bus.
    connect(bus, &ChildProcess::finished, this, [this] {
        if (startPending && busAddress.isEmpty())
            startKeyboard();
        busAddress.clear();
    });
}

TouchKeyboard::~TouchKeyboard()
{
    // The keyboard before its bus, and without the handlers that would start
    // them again.
    for (ChildProcess *process : {showRequest, keyboard, bus}) {
        process->blockSignals(true);
        process->stop();
    }
}

void TouchKeyboard::open(const QRect &screen)
{
    screenArea = screen;
    if (keyboard->isRunning()) {
        showAgain();
        return;
    }
    if (startPending)
        return;
    if (installedProgram(keyboardProgram).isEmpty())
        return;
    if (!busAddress.isEmpty()) {
        startKeyboard();
        return;
    }
    startPending = true;
    if (!bus->isRunning())
        startBus();
}

void TouchKeyboard::startBus()
{
    const QString path = installedProgram(BusProgram);
    if (path.isEmpty()) {
        startKeyboard();
        return;
    }
    QStringList arguments = {"--session", "--nofork", "--print-address=1"};
    // Its socket in the keyboard's own folder, which goes with the program,
    // rather than one more in the system's temporary folder.
    if (settingsFolder.isValid())
        arguments << "--address=unix:dir=" + settingsFolder.path();
    if (!bus->start(path, arguments)) {
        qDebug() << "屏幕键盘无法启动:" << BusProgram;
        startKeyboard();
    }
}

void TouchKeyboard::readBusAddress(const QByteArray &line)
{
    if (!busAddress.isEmpty())
        return;
    busAddress = QString::fromUtf8(line).trimmed();
    if (startPending)
        startKeyboard();
}

void TouchKeyboard::startKeyboard()
{
    startPending = false;
    const QString path = installedProgram(keyboardProgram);
    if (path.isEmpty())
        return;
    QProcessEnvironment environment = busEnvironment();
    // Nothing reads the keyboard through the accessibility bus, which its
    // toolkit would otherwise have the keyboard's bus start, with two more
    // processes.
    environment.insert("NO_AT_BRIDGE", "1");
    if (writeSettings()) {
        environment.insert("GSETTINGS_BACKEND", "keyfile");
        environment.insert("XDG_CONFIG_HOME", settingsFolder.path());
    }
    keyboard->setEnvironment(environment);
    // The full width of the screen and its lower third, so that keys are big
    // enough for a finger and the upper part, where the fields are, stays free.
    QStringList arguments;
    if (screenArea.isValid()) {
        const int height = screenArea.height() / 3;
        arguments << "-s" << QString("%1x%2").arg(screenArea.width()).arg(height) << "-x"
                  << QString::number(screenArea.x()) << "-y" << QString::number(screenArea.bottom() + 1 - height);
    }
    if (!keyboard->start(path, arguments))
        qDebug() << "屏幕键盘无法启动:" << keyboardProgram;
}

// The keyboard's settings live in a file of its own, fresh on every start:
// the user's settings stay untouched, and the keyboard's bus need not start a
// settings service for it. In a desktop session the keyboard also keeps above
// the program's window, which the window manager raises over it on every tap;
// a bare X server (no session bus) has no window manager to do that, and
// there the keyboard is left as it comes.
bool TouchKeyboard::writeSettings()
{
    if (!settingsFolder.isValid() || !QDir(settingsFolder.path()).mkpath("glib-2.0/settings"))
        return false;
    const QByteArray settings = qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")
                                    ? QByteArray("[org/onboard/window]\nforce-to-top=true\n")
                                    : QByteArray();
    QFile file(settingsFolder.filePath("glib-2.0/settings/keyfile"));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(settings) == settings.size();
}

void TouchKeyboard::showAgain()
{
    // Asking for the desktop's bus where there is none would start one that
    // outlives the program.
    if (busAddress.isEmpty() && !qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return;
    // Showing a keyboard that is already shown does nothing, so a tap while
    // the last request is still under way need not ask again.
    if (showRequest->isRunning())
        return;
    const QString path = installedProgram(BusMessageProgram);
    if (path.isEmpty())
        return;
    showRequest->setEnvironment(busEnvironment());
    showRequest->start(path, {"--session", "--type=method_call", "--dest=org.onboard.Onboard",
                              "/org/onboard/Onboard/Keyboard", "org.onboard.Onboard.Keyboard.Show"});
}

// The program's environment with the keyboard's own bus, where it has one.
QProcessEnvironment TouchKeyboard::busEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!busAddress.isEmpty())
        environment.insert("DBUS_SESSION_BUS_ADDRESS", busAddress);
    return environment;
}

void TouchKeyboard::setProgram(const QString &program)
{
    keyboardProgram = program;
}

QString TouchKeyboard::program() const
{
    return keyboardProgram;
}

bool TouchKeyboard::isRunning() const
{
    return startPending || keyboard->isRunning();
}
