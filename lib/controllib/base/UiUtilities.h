#ifndef UIUTILITIES_H
#define UIUTILITIES_H

#include <QFont>
#include <QString>
#include <QStringList>

// The application font bundled with the program.
constexpr char applicationFontPath[] = ":/resources/font/wqy-microhei.ttc";

QString indentText(const QString &text, int count);
QStringList indentTextList(const QStringList &list, int count);
void openTouchKeyboard();
void loadApplicationFont(QFont &font, const QString &path, int pixelSize);
// The font made smaller, a pixel at a time down to smallestPixelSize, until
// the text fits the room; a translation longer than its place stays readable.
QFont fittingFont(QFont font, const QString &text, int room, int smallestPixelSize);

#endif
