#include "SearchBox.h"

#include "LineEdit.h"
#include "TouchButton.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPainter>
#include <QStyleOption>

namespace {

enum Look { IconButtonLook = 9, PlainEditLook = 0 };

constexpr int kIconSize = 25;
constexpr int kButtonSize = 40;
constexpr int kEditHeight = 40;

}

SearchBox::SearchBox(QWidget *parent)
    : QWidget(parent)
{
    searchButton = new TouchButton;
    searchButton->setIcon(QIcon(":/lib/controllib/composite/searchbox/image/search.png"));
    searchButton->setIconSize(QSize(kIconSize, kIconSize));
    searchButton->setFixedSize(kButtonSize, kButtonSize);
    searchButton->setStyle(IconButtonLook);

    lineEdit = new LineEdit;
    lineEdit->setStyle(PlainEditLook);
    lineEdit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lineEdit->setFixedHeight(kEditHeight);

    auto *boxLayout = new QHBoxLayout(this);
    boxLayout->addWidget(searchButton);
    boxLayout->addWidget(lineEdit);
    boxLayout->setContentsMargins(15, 5, 15, 5);
    boxLayout->setSpacing(0);

    setStyleSheet("SearchBox { background-color: #E6E6E6; border-radius:25px; }");
    lineEdit->setStyleSheet("border:0px; background-color:#E6E6E6; ");

    connect(searchButton, &TouchButton::clicked, this, [this] {
        emit searchButtonClicked(lineEdit->text());
    });
}

QString SearchBox::text() const
{
    return lineEdit->text();
}

void SearchBox::paintEvent(QPaintEvent *event)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QWidget::paintEvent(event);
}
