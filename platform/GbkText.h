#ifndef GBKTEXT_H
#define GBKTEXT_H

#include <QByteArray>
#include <QString>

// Decodes a zero-terminated GBK text of the calculation library. At most
// maxLength bytes are read, so a fixed field without its terminator is safe;
// a null pointer gives an empty text.
QString gbkText(const char *text, int maxLength);

// Encodes text in the instrument PC's 8-bit code page (GBK), in which the
// CSV exports are written. Empty when no GBK codec is available.
QByteArray gbkBytes(const QString &text);

#endif
