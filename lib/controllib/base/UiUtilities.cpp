#include "UiUtilities.h"

#include "TouchKeyboard.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QScreen>

QString indentText(const QString &text, int count)
{
    if (count < 1)
        return text;
    return QString(count, QLatin1Char(' ')) + text;
}

QStringList indentTextList(const QStringList &list, int count)
{
    if (count < 1)
        return list;
    QStringList indented;
    indented.reserve(list.size());
    for (const QString &item : list)
        indented.append(indentText(item, count));
    return indented;
}

void openTouchKeyboard()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    TouchKeyboard::instance()->open(screen ? screen->geometry() : QRect());
}

void loadApplicationFont(QFont &font, const QString &path, int pixelSize)
{
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty())
        font.setFamily(families.first());
    font.setPixelSize(pixelSize);
    QApplication::setFont(font);
}

QFont fittingFont(QFont font, const QString &text, int room, int smallestPixelSize)
{
    while (font.pixelSize() > smallestPixelSize && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
