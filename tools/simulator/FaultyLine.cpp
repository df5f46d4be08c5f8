#include "FaultyLine.h"

#include "ProtocolFrame.h"
#include "ProtocolIds.h"

#include <QDebug>
#include <QTimer>

#include <utility>

namespace {

// A frame held for gluing goes out alone when no other follows this soon.
constexpr int kGlueWaitMs = 150;

bool every(int count, int n)
{
    return n > 0 && count % n == 0;
}

quint8 functionTypeOf(const QByteArray &frame)
{
    ProtocolFrame parsed;
    parseFrame(parsed, frame);
    return parsed.functionType;
}

bool reached(const FrameEvent &event, quint8 functionType, int count)
{
    return event.count > 0 && event.functionType == functionType && event.count == count;
}

}

FaultyLine::FaultyLine(QObject *parent)
    : QObject(parent)
    , glueTimer(new QTimer(this))
    , random(20240611u)
{
    glueTimer->setSingleShot(true);
    glueTimer->setInterval(kGlueWaitMs);
    connect(glueTimer, &QTimer::timeout, this, [this] {
        write(std::exchange(held, {}));
    });
}

void FaultyLine::setFaults(const LineFaults &faults)
{
    lineFaults = faults;
}

const LineFaults &FaultyLine::faults() const
{
    return lineFaults;
}

void FaultyLine::setSilent(bool silent)
{
    lineFaults.silent = silent;
}

void FaultyLine::send(QByteArray frame)
{
    if (lineFaults.silent)
        return;
    const quint8 functionType = functionTypeOf(frame);
    const int ofType = ++framesOfType[functionType];
    if (reached(lineFaults.silentAfter, functionType, ofType))
        lineFaults.silent = true;
    if (reached(lineFaults.vanishAfter, functionType, ofType))
        emit vanishing();
    if (reached(lineFaults.drop, functionType, ofType)) {
        qDebug() << "simulator: frame dropped" << functionType << ofType;
        return;
    }
    const bool damageable = !lineFaults.packagesOnly || functionType == FunctionType::GetOnePacket;
    if (damageable)
        ++frameCount;
    if (damageable && every(frameCount, lineFaults.loseEvery)) {
        qDebug() << "simulator: frame lost" << frameCount;
        return;
    }
    if ((damageable && every(frameCount, lineFaults.badCrcEvery)) || reached(lineFaults.damage, functionType, ofType))
        frame[frame.size() - 6] = char(frame.at(frame.size() - 6) ^ 0x5A);
    if (damageable && every(frameCount, lineFaults.garbageEvery)) {
        // Noise with a broken header in it, as a line glitch would leave.
        QByteArray noise = QByteArray::fromHex("00FF") + frameHeaderBytes().left(3);
        for (int i = 0; i < 5; ++i)
            noise.append(char(random() & 0xFF));
        frame.prepend(noise);
    }
    if (lineFaults.delayMs > 0)
        QTimer::singleShot(lineFaults.delayMs, this, [this, frame] {
            deliver(frame);
        });
    else
        deliver(frame);
}

void FaultyLine::deliver(const QByteArray &bytes)
{
    if (!lineFaults.glue) {
        write(bytes);
        return;
    }
    if (held.isEmpty()) {
        held = bytes;
        glueTimer->start();
        return;
    }
    glueTimer->stop();
    write(std::exchange(held, {}) + bytes);
}

void FaultyLine::write(const QByteArray &bytes)
{
    if (!lineFaults.split || bytes.size() < 3) {
        emit bytesOut(bytes);
        return;
    }
    std::uniform_int_distribution<int> cut(1, bytes.size() - 1);
    int first = cut(random);
    int second = cut(random);
    if (first > second)
        std::swap(first, second);
    emit bytesOut(bytes.left(first));
    if (second > first)
        emit bytesOut(bytes.mid(first, second - first));
    emit bytesOut(bytes.mid(second));
}
