#include "TouchKeyboard.h"

#include <QCoreApplication>
#include <QDebug>
#include <QStandardPaths>

TouchKeyboard *TouchKeyboard::instance()
{
    static TouchKeyboard *const keyboard = new TouchKeyboard(QCoreApplication::instance());
    return keyboard;
}

TouchKeyboard::TouchKeyboard(QObject *parent)
    : QObject(parent)
    , keyboardProgram("onboard")
    , process(new QProcess(this))
{
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            qDebug() << "屏幕键盘无法启动:" << keyboardProgram;
    });
}

void TouchKeyboard::open()
{
    if (isRunning())
        return;
    const QString path = QStandardPaths::findExecutable(keyboardProgram);
    if (path.isEmpty()) {
        qDebug() << "屏幕键盘程序不存在:" << keyboardProgram;
        return;
    }
    process->start(path, QStringList());
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
    return process->state() != QProcess::NotRunning;
}
