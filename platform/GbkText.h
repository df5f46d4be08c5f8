#ifndef GBKTEXT_H
#define GBKTEXT_H

#include <QString>

// Decodes a zero-terminated GBK text of the calculation library. At most
// maxLength bytes are read, so a fixed field without its terminator is safe;
// a null pointer gives an empty text.
QString gbkText(const char *text, int maxLength);

#endif
