#include "CustomLabel.h"

#include <QHBoxLayout>
#include <QLabel>

CustomLabel::CustomLabel(QWidget *parent)
    : CustomButton(parent)
    , label(new QLabel)
    , layout(new QHBoxLayout)
{
    layout->addWidget(label);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setLayout(layout);
}

void CustomLabel::setStyle(int type)
{
    normalStyle.clear();
    selectedStyle.clear();
    if (type == RowStyle) {
        normalStyle = ".QLabel {  color: black; background-color: white; padding-left:20px; border-bottom:1px solid "
                      "#CCCCCC; }";
        selectedStyle = " CustomLabel { border:0px solid #007FD4;  background-color: rgb(232,235,239); border-radius: "
                        "8px; }";
        selectedStyle += " .QLabel { color: rgb(119,25,170); padding-left:20px;  }";
    }
    applyLook();
}

void CustomLabel::setSelected(bool selected)
{
    this->selected = selected;
    applyLook();
}

void CustomLabel::setText(const QString &text)
{
    label->setText(text);
}

QString CustomLabel::text() const
{
    return label->text();
}

void CustomLabel::setContentMargins(int left, int top, int right, int bottom)
{
    layout->setContentsMargins(left, top, right, bottom);
}

void CustomLabel::applyLook()
{
    setStyleSheet(selected ? selectedStyle : normalStyle);
}
