#pragma once

#include <QByteArray>
#include <QList>

struct ProtocolFrame;

// Takes the whole frames out of a received byte stream. It synchronises on
// the header, takes the length field and accepts a frame only where its tail
// lies at the end the length gives; on a mismatch it drops one byte and
// searches again. Bytes that cannot start a frame are dropped with a debug
// line. What stays in the buffer is the start of a frame still arriving, so
// the buffer never holds more than one frame of the largest size.
QList<QByteArray> takeFrameCandidates(QByteArray &buffer);

// Reads a frame candidate into its fields and accepts it only when header,
// version, company and product codes, status, length, CRC and tail are all
// right; each refusal leaves a debug line.
bool checkFrame(ProtocolFrame &frame, const QByteArray &bytes);
// The frames of a received stream that pass the check, in order; the
// buffer keeps the start of a frame still arriving.
QList<ProtocolFrame> splitFrames(QByteArray &buffer);
