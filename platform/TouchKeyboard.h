#ifndef TOUCHKEYBOARD_H
#define TOUCHKEYBOARD_H

#include <QObject>
#include <QProcess>
#include <QString>

// The on-screen keyboard, run as a child process of the program: one copy at
// a time, ended together with the application object.
class TouchKeyboard : public QObject
{
    Q_OBJECT
public:
    static TouchKeyboard *instance();

    // Starts the keyboard program unless the copy started earlier still runs.
    // A program that cannot be found or started is logged and nothing else.
    void open();

    void setProgram(const QString &program);
    QString program() const;
    bool isRunning() const;

private:
    explicit TouchKeyboard(QObject *parent);

    QString keyboardProgram;
    QProcess *process;
};

#endif
