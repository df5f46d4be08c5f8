#include "IconFont.h"

#include <QAbstractButton>
#include <QDebug>
#include <QFontDatabase>
#include <QLabel>
#include <QPainter>

namespace {

QString glyphText(int codePoint)
{
    const char32_t character = char32_t(codePoint);
    return QString::fromUcs4(&character, 1);
}

}

IconFont *IconFont::instance()
{
    static IconFont *const iconFont = new IconFont;
    return iconFont;
}

IconFont::IconFont()
{
    const int id = QFontDatabase::addApplicationFont(":/resources/iconfont/iconfont.ttf");
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        qDebug() << "字体库为空";
    } else {
        qDebug() << "字体库名称：" << families.first();
        font = QFont(families.first());
    }
    glyphs.insert("file", 0xEC17);
    glyphs.insert("back", 0xE609);
    glyphs.insert("menu", 0xE624);
    glyphs.insert("add0", 0xE600);
    glyphs.insert("delete", 0xE74B);
    glyphs.insert("add1", 0xEB89);
    glyphs.insert("rename", 0xE601);
    glyphs.insert("general", 0xE65B);
    glyphs.insert("about", 0xE60B);
    glyphs.insert("suspend", 0xE650);
    glyphs.insert("play1", 0xE87C);
    glyphs.insert("enlarge", 0xE604);
    glyphs.insert("recovery", 0xE86D);
    glyphs.insert("save", 0xE636);
    glyphs.insert("play2", 0xE622);
    glyphs.insert("wifi0", 0xE60A);
    glyphs.insert("wifi1", 0xE60C);
    glyphs.insert("shutdown", 0xECA1);
    glyphs.insert("maximize", 0xE695);
    glyphs.insert("close0", 0xE723);
    glyphs.insert("close1", 0xECA0);
    glyphs.insert("minimize", 0xE65A);
}

void IconFont::setLabelIcon(QLabel *label, int codePoint, int pixelSize)
{
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setText(glyphText(codePoint));
}

void IconFont::setButtonIcon(QAbstractButton *button, int codePoint, int pixelSize, bool bold)
{
    font.setPixelSize(pixelSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    button->setFont(font);
    button->setText(glyphText(codePoint));
}

QPixmap IconFont::iconPixmap(const QColor &color, int codePoint, int pixelSize, int width, int height, int alignment)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(color);
    font.setPixelSize(pixelSize);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), alignment, glyphText(codePoint));
    painter.end();
    return pixmap;
}
