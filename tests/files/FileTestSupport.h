#pragma once

#include "MeasureDataFileInfo.h"

#include <QFile>
#include <QList>
#include <QStringList>
#include <QtTest>

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QStringList names(const QList<MeasureDataFileInfo> &rows)
{
    QStringList list;
    for (const MeasureDataFileInfo &info : rows)
        list << info.fileName;
    return list;
}
