#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A keyboard program that notes each start in a log beside it and then waits
// as the real keyboard would.
class KeyboardStub
{
public:
    bool setUp()
    {
        if (!dir.isValid())
            return false;
        path = dir.filePath("keyboard.sh");
        QFile script(path);
        if (!script.open(QIODevice::WriteOnly) ||
            script.write("#!/bin/sh\necho started >> \"$0.log\"\nexec sleep 120\n") < 0)
            return false;
        script.close();
        return script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString log() const
    {
        QFile file(path + ".log");
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir dir;
    QString path;
};
