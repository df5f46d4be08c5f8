#ifndef ICONFONT_H
#define ICONFONT_H

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QString>

class QAbstractButton;
class QLabel;

// Small monochrome icons drawn from the bundled icon font; callers look up a
// glyph's code point by name in glyphs.
class IconFont
{
public:
    static IconFont *instance();

    void setLabelIcon(QLabel *label, int codePoint, int pixelSize);
    void setButtonIcon(QAbstractButton *button, int codePoint, int pixelSize, bool bold);
    QPixmap iconPixmap(const QColor &color, int codePoint, int pixelSize, int width, int height, int alignment);

    QFont font;
    QHash<QString, int> glyphs;

private:
    IconFont();
    IconFont(const IconFont &) = delete;
    IconFont &operator=(const IconFont &) = delete;
};

#endif
