#include "GbkText.h"

#include <QTextCodec>

#include <cstring>

QString gbkText(const char *text, int maxLength)
{
    if (!text || maxLength <= 0)
        return QString();
    const auto length = static_cast<int>(strnlen(text, static_cast<size_t>(maxLength)));
    // The library's texts are GBK whatever the local 8-bit code page is.
    static QTextCodec *const codec = QTextCodec::codecForName("GBK");
    if (!codec)
        return QString::fromLatin1(text, length);
    return codec->toUnicode(text, length);
}
