#pragma once

#include <QByteArray>
#include <QList>

// Takes the whole frames out of a received byte stream. It synchronises on
// the header, takes the length field and accepts a frame only where its tail
// lies at the end the length gives; on a mismatch it drops one byte and
// searches again. Bytes that cannot start a frame are dropped with a debug
// line. What stays in the buffer is the start of a frame still arriving, so
// the buffer never holds more than one frame of the largest size.
QList<QByteArray> takeFrameCandidates(QByteArray &buffer);
