#include "GbkText.h"

#include <QTextCodec>

#include <cstring>

namespace {

// The target system's local 8-bit code page is GBK; here it is UTF-8, so the
// codec is named explicitly.
QTextCodec *gbkCodec()
{
    static QTextCodec *const codec = QTextCodec::codecForName("GBK");
    return codec;
}

}

QString gbkText(const char *text, int maxLength)
{
    if (!text || maxLength <= 0)
        return QString();
    const auto length = static_cast<int>(strnlen(text, static_cast<size_t>(maxLength)));
    QTextCodec *codec = gbkCodec();
    if (!codec)
        return QString::fromLatin1(text, length);
    return codec->toUnicode(text, length);
}

QByteArray gbkBytes(const QString &text)
{
    QTextCodec *codec = gbkCodec();
    return codec ? codec->fromUnicode(text) : QByteArray();
}
