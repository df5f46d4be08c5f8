#pragma once

#include "LineFaults.h"

#include <QByteArray>
#include <QHash>
#include <QObject>

#include <random>

class QTimer;

// The unit's side of the line: passes its frames on as bytes, with the
// faults that are switched on.
class FaultyLine : public QObject
{
    Q_OBJECT

public:
    explicit FaultyLine(QObject *parent = nullptr);

    void setFaults(const LineFaults &faults);
    const LineFaults &faults() const;
    void setSilent(bool silent);

    void send(QByteArray frame);

signals:
    void bytesOut(QByteArray bytes);
    // The frame of LineFaults::vanishAfter is out: the unit is to go away.
    void vanishing();

private:
    void deliver(const QByteArray &bytes);
    void write(const QByteArray &bytes);

    LineFaults lineFaults;
    int frameCount = 0;
    QHash<quint8, int> framesOfType;
    QByteArray held;
    QTimer *glueTimer;
    std::mt19937 random;
};
