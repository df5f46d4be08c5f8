#include "Widget.h"

#include "GlobalData.h"
#include "Language.h"
#include "UiUtilities.h"

#include <QPainter>
#include <QStyleOption>

Widget::Widget(QWidget *parent)
    : QWidget(parent)
{
}

void Widget::init()
{
    initData();
    initUi();
    initConnect();
    initStyle();
    retranslateUi();
    connect(Language::instance(), &Language::languageChanged, this, [this](int) {
        retranslateUi();
    });
    connect(GlobalData::instance(), &GlobalData::unitChanged, this, [this](int) {
        retranslateUi();
    });
}

void Widget::showVirtualKeyboard()
{
    openTouchKeyboard();
}

void Widget::paintEvent(QPaintEvent *event)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QWidget::paintEvent(event);
}
