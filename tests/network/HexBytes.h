#pragma once

#include <QByteArray>

// Bytes written as the spaced hexadecimal of a wire dump.
inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}
