#include "LabelAndLabel.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>

LabelAndLabel::LabelAndLabel(QWidget *parent)
    : CustomButton(parent)
{
    nameLabel = new QLabel;
    valueLabel = new QLabel;
    rowLayout = new QHBoxLayout(this);
    rowLayout->addWidget(nameLabel, 1);
    rowLayout->addWidget(valueLabel, 1);
}

void LabelAndLabel::setText(const QString &name, const QString &value)
{
    nameLabel->setText(name);
    valueLabel->setText(value);
}

void LabelAndLabel::setValueText(const QString &value)
{
    valueLabel->setText(value);
}

void LabelAndLabel::setAlignment(Qt::Alignment nameAlignment, Qt::Alignment valueAlignment)
{
    nameLabel->setAlignment(nameAlignment);
    valueLabel->setAlignment(valueAlignment);
}

void LabelAndLabel::setFont(const QFont &font)
{
    nameLabel->setFont(font);
    valueLabel->setFont(font);
}

void LabelAndLabel::setStyle(int type)
{
    styleText.clear();
    if (type == RowStyle) {
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignVCenter);
        styleText += "LabelAndLabel { border-bottom:1px solid #CCCCCC; background-color:white; }";
        styleText += "QLabel { background-color:white; padding-left: 2px; padding-right: 2px;}";
    }
    setStyleSheet(styleText);
}
