#ifndef TOUCHKEYBOARD_H
#define TOUCHKEYBOARD_H

#include <QObject>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class ChildProcess;

// The on-screen keyboard (onboard), run as a child process of the program on
// a D-Bus session of its own: a touch panel runs a bare X server with no
// session bus, and onboard cannot work without one. One copy at a time; it
// ends with the application object, or with the program if that is killed.
class TouchKeyboard : public QObject
{
    Q_OBJECT
public:
    static TouchKeyboard *instance();
    ~TouchKeyboard() override;

    // Starts the keyboard program over the lower third of screen (where it
    // comes as it likes with a null rectangle), or shows the copy started
    // earlier again if it still runs (the operator may have hidden it with its
    // own key). A program that cannot be found or started is logged and
    // nothing else.
    void open(const QRect &screen = QRect());

    void setProgram(const QString &program);
    QString program() const;
    bool isRunning() const;

private:
    explicit TouchKeyboard(QObject *parent);

    void startBus();
    void readBusAddress(const QByteArray &line);
    void startKeyboard();
    bool writeSettings();
    void showAgain();
    QProcessEnvironment busEnvironment() const;

    QString keyboardProgram;
    ChildProcess *bus;
    ChildProcess *keyboard;
    ChildProcess *showRequest;
    QRect screenArea;
    QString busAddress;
    QTemporaryDir settingsFolder;
    bool startPending;
};

#endif
