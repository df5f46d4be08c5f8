#include "Dialog.h"

#include "TouchButton.h"

#include <QApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QVariant>

namespace {

constexpr int kDialogWidth = 485;
constexpr int kDialogMinimumHeight = 300;
constexpr int kTitlePixelSize = 22;
constexpr int kCardMargin = 25;
constexpr int kButtonHeight = 50;
constexpr int kButtonSpacing = 20;

enum ButtonLook { CancelLook = 3, ConfirmLook = 4 };

}

Dialog::Dialog(QWidget *parent, int style)
    : QWidget(parent)
{
    setFixedWidth(kDialogWidth);
    setMinimumHeight(kDialogMinimumHeight);
    // Only the card is painted: the corners show what lies below, the
    // dimmed window when the dialog stands on its mask.
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);

    QFont titleFont = QApplication::font();
    titleFont.setPixelSize(kTitlePixelSize);

    titleWidget = new QWidget;
    titleLabel = new QLabel;
    titleLabel->setFont(titleFont);
    auto *titleLayout = new QHBoxLayout(titleWidget);
    titleLayout->addStretch();
    titleLayout->addWidget(titleLabel);
    titleLayout->addStretch();
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->setSpacing(0);
    titleWidget->setFixedHeight(titleHeight);

    contentWidget = new QWidget;

    totalWidget = new QWidget;
    auto *cardLayout = new QVBoxLayout(totalWidget);
    cardLayout->addWidget(titleWidget);
    cardLayout->addWidget(contentWidget);
    cardLayout->setContentsMargins(kCardMargin, kCardMargin, kCardMargin, kCardMargin);
    cardLayout->setSpacing(0);

    auto *dialogLayout = new QVBoxLayout(this);
    dialogLayout->addWidget(totalWidget);
    dialogLayout->setContentsMargins(0, 0, 0, 0);
    dialogLayout->setSpacing(0);

    setStyle(style);
}

void Dialog::setTitle(const QString &text)
{
    titleLabel->setText(text);
}

void Dialog::setTitleHeight(int height)
{
    titleHeight = height;
    titleWidget->setFixedHeight(height);
}

void Dialog::setTitleFont(const QFont &font)
{
    titleLabel->setFont(font);
}

void Dialog::setContentLayout(QLayout *layout)
{
    contentWidget->setLayout(layout);
}

void Dialog::setContentStyleSheet(const QString &text)
{
    contentWidget->setStyleSheet(text);
}

void Dialog::setStyle(int type)
{
    styleText.clear();
    if (type == CardStyle) {
        totalWidget->setProperty("Dialog", "totalWidget");
        titleWidget->setProperty("Dialog", "titleWidget");
        titleLabel->setProperty("Dialog", "titleLabel");
        contentWidget->setProperty("Dialog", "contentWidget");
        styleText += "QWidget[Dialog=\"totalWidget\"]{ background-color:white; border-radius: 20px; }";
        styleText += "QWidget[Dialog=\"titleWidget\"]{ border-top-left-radius: 20px; border-top-right-radius: 20px;}";
        styleText += "QLabel[Dialog=\"titleLabel\"]{ color:black;}";
    }
    setStyleSheet(styleText);
}

QHBoxLayout *Dialog::buttonRow(TouchButton *confirmButton, TouchButton *cancelButton)
{
    confirmButton->setStyle(ConfirmLook);
    confirmButton->setFixedHeight(kButtonHeight);
    cancelButton->setStyle(CancelLook);
    cancelButton->setFixedHeight(kButtonHeight);
    auto *row = new QHBoxLayout;
    row->addWidget(confirmButton, 1);
    row->addSpacing(kButtonSpacing);
    row->addWidget(cancelButton, 1);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    return row;
}
