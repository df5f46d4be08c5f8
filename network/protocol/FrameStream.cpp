#include "FrameStream.h"

#include "ProtocolCodec.h"
#include "ProtocolFrame.h"
#include "ProtocolIds.h"

#include <QDebug>

namespace {

int declaredSize(const QByteArray &buffer, int start)
{
    return kFrameOverhead + fromBigEndianU16(buffer.mid(start + 20, 2));
}

bool tailAt(const QByteArray &buffer, int start, int size)
{
    return buffer.mid(start + size - 4, 4) == frameTailBytes();
}

// A frame that is there whole, with its tail and its CRC in place.
bool wholeFrameAt(const QByteArray &buffer, int start)
{
    if (buffer.size() - start < kFrameLengthEnd)
        return false;
    const int size = declaredSize(buffer, start);
    if (buffer.size() - start < size || !tailAt(buffer, start, size))
        return false;
    return buffer.mid(start + size - 6, 2) == crcBytes(buffer.mid(start + kFrameLengthEnd, size - kFrameOverhead));
}

// A header whose frame is still incomplete may be a broken one with a wrong
// length; a whole frame starting after it proves that, and the wait ends.
int laterWholeFrame(const QByteArray &buffer, int from)
{
    const QByteArray header = frameHeaderBytes();
    for (int at = buffer.indexOf(header, from); at >= 0; at = buffer.indexOf(header, at + 1)) {
        if (wholeFrameAt(buffer, at))
            return at;
    }
    return -1;
}

// The longest end of the buffer that may still grow into a header.
int partialHeaderStart(const QByteArray &buffer, int from)
{
    const QByteArray header = frameHeaderBytes();
    for (int keep = qMin(header.size() - 1, buffer.size() - from); keep > 0; --keep) {
        if (buffer.endsWith(header.left(keep)))
            return buffer.size() - keep;
    }
    return buffer.size();
}

void logDropped(const QByteArray &buffer, int from, int to)
{
    if (to > from)
        qDebug() << "包头出错：" << buffer.mid(from, qMin(4, to - from)).toHex(' ');
}

}

QList<QByteArray> takeFrameCandidates(QByteArray &buffer)
{
    QList<QByteArray> candidates;
    const QByteArray header = frameHeaderBytes();
    int pos = 0;
    while (pos < buffer.size()) {
        const int start = buffer.indexOf(header, pos);
        if (start < 0) {
            const int keep = partialHeaderStart(buffer, pos);
            logDropped(buffer, pos, keep);
            pos = keep;
            break;
        }
        logDropped(buffer, pos, start);
        pos = start;
        if (buffer.size() - pos < kFrameLengthEnd)
            break;
        const int size = declaredSize(buffer, pos);
        if (buffer.size() - pos < size) {
            const int later = laterWholeFrame(buffer, pos + 1);
            if (later < 0)
                break;
            logDropped(buffer, pos, later);
            pos = later;
            continue;
        }
        if (tailAt(buffer, pos, size)) {
            candidates.append(buffer.mid(pos, size));
            pos += size;
        } else {
            qDebug() << "包尾出错：" << buffer.mid(pos + size - 4, 4).toHex(' ');
            pos += 1;
        }
    }
    buffer.remove(0, pos);
    return candidates;
}

bool checkFrame(ProtocolFrame &frame, const QByteArray &bytes)
{
    if (bytes.size() < kFrameOverhead) {
        qDebug() << "数据包长度不足：" << bytes.size();
        return false;
    }
    parseFrame(frame, bytes);
    if (frame.header != frameHeaderBytes()) {
        qDebug() << "包头出错：" << frame.header.toHex(' ');
        return false;
    }
    if (frame.version != 0) {
        qDebug() << "版本错误：" << int(frame.version);
        return false;
    }
    if (frame.companyCode != kCompanyCode) {
        qDebug() << "公司错误：" << int(frame.companyCode);
        return false;
    }
    if (frame.productCode != kProductCode) {
        qDebug() << "产品错误：" << int(frame.productCode);
        return false;
    }
    if (frame.status != zeroBytes(2)) {
        qDebug() << "状态位出错：" << frame.status.toHex(' ');
        return false;
    }
    if (fromBigEndianU16(frame.length) + kFrameOverhead != bytes.size()) {
        qDebug() << "数据长度出错";
        return false;
    }
    const QByteArray computed = crcBytes(frame.payload);
    if (frame.crc != computed) {
        qDebug() << "CRC出错：接收 " << frame.crc.toHex(' ') << " 计算 " << computed.toHex(' ');
        return false;
    }
    if (frame.tail != frameTailBytes()) {
        qDebug() << "包尾出错：" << frame.tail.toHex(' ');
        return false;
    }
    return true;
}

QList<ProtocolFrame> splitFrames(QByteArray &buffer)
{
    QList<ProtocolFrame> frames;
    const auto candidates = takeFrameCandidates(buffer);
    for (const QByteArray &candidate : candidates) {
        ProtocolFrame frame;
        if (checkFrame(frame, candidate))
            frames.append(frame);
    }
    return frames;
}
