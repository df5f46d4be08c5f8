#include "Notice.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>

namespace {
constexpr int kTextPadding = 70;
constexpr int kNoticeHeight = 50;
constexpr int kTextPixelSize = 22;
}

Notice::Notice(QWidget *parent)
    : QWidget(parent)
    , label(new QLabel(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(label);
}

Notice::Notice(const QString &text, QWidget *parent)
    : Notice(parent)
{
    setText(text);
}

void Notice::setText(const QString &newText)
{
    text = newText;
    QFont font;
    font.setPixelSize(kTextPixelSize);
    noticeWidth = QFontMetrics(font).horizontalAdvance(text) + kTextPadding;
    label->setAlignment(Qt::AlignCenter);
    label->resize(noticeWidth, kNoticeHeight);
    resize(noticeWidth, kNoticeHeight);
    label->setFont(font);
    label->setText(text);
}

void Notice::setType(NoticeType type)
{
    styleText.clear();
    switch (type) {
    case 0:
        styleText.append("QWidget { color:white; background-color: rgb(71,210,121); border-radius: 14px; }");
        break;
    case 1:
        styleText.append("QWidget { color:white; background-color: rgb(255,177,69); border-radius: 14px; }");
        break;
    case 2:
        styleText.append("QWidget { color:white; background-color: rgb(255,87,51); border-radius: 14px; }");
        break;
    default:
        break;
    }
    setStyleSheet(styleText);
}
