#include "TextWidget.h"

#include "DragScrollArea.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QVariant>

TextWidget::TextWidget(QWidget *parent)
    : QWidget(parent)
{
    titleBar = new QWidget;
    titleLabel = new QLabel;
    auto *titleLayout = new QHBoxLayout(titleBar);
    titleLayout->addStretch();
    titleLayout->addWidget(titleLabel);
    titleLayout->addStretch();
    titleBar->setFixedHeight(titleHeight);

    scrollArea = new DragScrollArea;
    contentLayout = new QHBoxLayout;
    contentLayout->addWidget(scrollArea);

    totalWidget = new QWidget;
    auto *totalLayout = new QVBoxLayout(totalWidget);
    totalLayout->addWidget(titleBar);
    totalLayout->addLayout(contentLayout);

    auto *panelLayout = new QVBoxLayout(this);
    panelLayout->addWidget(totalWidget);

    totalWidget->setProperty("TextWidget", "totalWidget");
    titleBar->setProperty("TextWidget", "titleWidget");
    titleLabel->setProperty("TextWidget", "titleLabel");
    scrollArea->setProperty("TextWidget", "scrollArea");
    setStyle(WhiteStyle);
}

void TextWidget::setTitle(const QString &text)
{
    titleLabel->setText(text);
}

void TextWidget::setTitleFont(const QFont &font)
{
    titleLabel->setFont(font);
}

void TextWidget::setTitleHeight(int height)
{
    titleHeight = height;
    titleBar->setFixedHeight(height);
}

QWidget *TextWidget::titleWidget() const
{
    return titleBar;
}

void TextWidget::setTitleWidget(QWidget *widget)
{
    titleBar = widget;
}

void TextWidget::setContentWidget(QWidget *widget)
{
    scrollArea->setWidget(widget);
}

void TextWidget::setScrollAreaFixedSize(int width, int height)
{
    scrollArea->setFixedSize(width, height);
}

void TextWidget::setScrollAreaFixedHeight(int height)
{
    scrollArea->setFixedHeight(height);
}

void TextWidget::setScrollAreaFixedWidth(int width)
{
    scrollArea->setFixedWidth(width);
}

void TextWidget::setContentMargins(int left, int top, int right, int bottom)
{
    contentLayout->setContentsMargins(left, top, right, bottom);
}

void TextWidget::setStyle(int type)
{
    const QString whiteCard = "QWidget[TextWidget=\"totalWidget\"]{ background-color:white; border-radius: 10px; }";
    const QString whiteArea = "QScrollArea[TextWidget=\"scrollArea\"]{ background-color:white; border-radius: 10px; }";
    styleText.clear();
    switch (type) {
    case WhiteStyle:
        styleText += whiteCard;
        styleText += whiteArea;
        styleText += "QScrollBar:vertical{ width: 0px; }";
        break;
    case GreyStyle:
        styleText += "QWidget[TextWidget=\"totalWidget\"]{ background-color:#E6E6E6; border-radius: 10px; }";
        styleText += "QScrollArea[TextWidget=\"scrollArea\"]{ background-color:#E6E6E6; border-radius: 10px; }";
        break;
    case PlainWhiteStyle:
        styleText += whiteCard;
        styleText += whiteArea;
        break;
    case GreySquareStyle:
        styleText += "QWidget[TextWidget=\"totalWidget\"]{ background-color:#E6E6E6; border-radius: 1px; }";
        styleText += whiteArea;
        break;
    default:
        break;
    }
    setStyleSheet(styleText);
}
