#include "ListWidget.h"

#include "DragScrollArea.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QVBoxLayout>
#include <QVariant>

namespace {

constexpr int kIconSize = 30;
constexpr int kIconSpacing = 12;
constexpr int kSectionSpacing = 15;

}

ListWidget::ListWidget(QWidget *parent)
    : QWidget(parent)
{
    titleWidget = new QWidget;
    iconLabel = new QLabel;
    iconLabel->setFixedSize(kIconSize, kIconSize);
    iconLabel->setScaledContents(true);
    titleLabel = new QLabel;
    auto *titleLayout = new QHBoxLayout(titleWidget);
    titleLayout->addWidget(iconLabel);
    titleLayout->addSpacing(kIconSpacing);
    titleLayout->addWidget(titleLabel);
    titleLayout->addStretch();
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->setSpacing(0);
    titleWidget->setFixedHeight(titleHeight);

    scrollArea = new DragScrollArea;
    contentLayout = new QHBoxLayout;
    contentLayout->addWidget(scrollArea);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(0);

    auto *panelLayout = new QVBoxLayout(this);
    panelLayout->addWidget(titleWidget);
    panelLayout->addLayout(contentLayout);
    panelLayout->setContentsMargins(outerMargin, outerMargin, outerMargin, outerMargin);
    panelLayout->setSpacing(kSectionSpacing);

    titleWidget->setProperty("ListWidget", "titleWidget");
    titleLabel->setProperty("ListWidget", "titleLabel");
    scrollArea->setProperty("ListWidget", "scrollArea");
    iconLabel->setStyleSheet("QLabel { background-color: white;}");
}

void ListWidget::setIcon(const QPixmap &pixmap)
{
    iconLabel->setPixmap(pixmap);
}

void ListWidget::setTitle(const QString &text)
{
    titleLabel->setText(text);
}

void ListWidget::setContentWidget(QWidget *widget)
{
    scrollArea->setWidget(widget);
}

void ListWidget::setScrollAreaFixedSize(int width, int height)
{
    scrollArea->setFixedSize(width, height);
}

void ListWidget::setScrollAreaFixedHeight(int height)
{
    scrollArea->setFixedHeight(height);
}

void ListWidget::setScrollAreaFixedWidth(int width)
{
    scrollArea->setFixedWidth(width);
}

void ListWidget::setContentMargins(int left, int top, int right, int bottom)
{
    contentLayout->setContentsMargins(left, top, right, bottom);
}

int ListWidget::margin() const
{
    return outerMargin;
}

void ListWidget::setMargin(int value)
{
    outerMargin = value;
}

void ListWidget::setStyle(int type)
{
    styleText.clear();
    switch (type) {
    case BorderlessStyle:
        styleText += "QScrollArea[ListWidget=\"scrollArea\"]{ border:0px ;  }";
        break;
    case PanelStyle:
        styleText += "ListWidget{ background-color:white; border: 1px solid #E0E0E0; }";
        styleText += "QWidget[ListWidget=\"titleWidget\"]{ background-color:white; }";
        styleText += "QLabel[ListWidget=\"titleLabel\"]{ background-color:white; }";
        styleText += "QScrollArea[ListWidget=\"scrollArea\"]{ background-color:white; border: 0px; }";
        styleText += "QScrollBar:vertical{ width: 0px; }";
        break;
    default:
        break;
    }
    setStyleSheet(styleText);
}

void ListWidget::paintEvent(QPaintEvent *event)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QWidget::paintEvent(event);
}
