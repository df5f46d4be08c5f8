#include "LabelAndLineEdit.h"

#include "LineEdit.h"

#include <QFont>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>

namespace {

enum EditLook { FieldLook = 2, WhiteLook = 3 };

constexpr int kLabelEditSpacing = 20;
constexpr int kLabelStretch = 2;
constexpr int kEditStretch = 5;
constexpr int kEditHeight = 50;
constexpr int kWideLabelWidth = 120;
constexpr int kWideEditWidth = 240;

}

LabelAndLineEdit::LabelAndLineEdit(int style, QWidget *parent)
    : QWidget(parent)
{
    // The framed style draws a border around the whole row.
    setAttribute(Qt::WA_StyledBackground);
    label = new QLabel;
    lineEdit = new LineEdit;
    rowLayout = new QHBoxLayout(this);
    rowLayout->addWidget(label, kLabelStretch);
    rowLayout->addSpacing(kLabelEditSpacing);
    rowLayout->addWidget(lineEdit, kEditStretch);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->setSpacing(0);
    connect(lineEdit, &QLineEdit::textChanged, this, &LabelAndLineEdit::textChanged);
    setStyle(style);
}

void LabelAndLineEdit::setText(const QString &labelText, const QString &editText)
{
    label->setText(labelText);
    lineEdit->setText(editText);
}

void LabelAndLineEdit::setLabelText(const QString &text)
{
    label->setText(text);
}

void LabelAndLineEdit::setEditText(const QString &text)
{
    lineEdit->setText(text);
}

void LabelAndLineEdit::setPlaceholderText(const QString &text)
{
    lineEdit->setPlaceholderText(text);
}

QString LabelAndLineEdit::text() const
{
    return lineEdit->text();
}

void LabelAndLineEdit::setLabelWidth(int width)
{
    label->setFixedWidth(width);
}

void LabelAndLineEdit::setEditWidth(int width)
{
    lineEdit->setFixedWidth(width);
}

void LabelAndLineEdit::setEditHeight(int height)
{
    lineEdit->setFixedHeight(height);
}

void LabelAndLineEdit::setEditSize(int width, int height)
{
    lineEdit->setFixedSize(width, height);
}

void LabelAndLineEdit::setWidths(int labelWidth, int editWidth)
{
    label->setFixedWidth(labelWidth);
    lineEdit->setFixedWidth(editWidth);
}

void LabelAndLineEdit::setContentsMargins(int left, int top, int right, int bottom)
{
    rowLayout->setContentsMargins(left, top, right, bottom);
}

void LabelAndLineEdit::setValidatorType(int type)
{
    lineEdit->setValidatorType(type);
}

void LabelAndLineEdit::setIntRange(double bottom, double top)
{
    lineEdit->setValidator(new QIntValidator(int(bottom), int(top), lineEdit));
}

void LabelAndLineEdit::setEditAlignment(Qt::Alignment alignment)
{
    lineEdit->setAlignment(alignment);
}

void LabelAndLineEdit::setEditEnabled(bool enabled)
{
    lineEdit->setEnabled(enabled);
}

void LabelAndLineEdit::setFont(const QFont &font)
{
    label->setFont(font);
    lineEdit->setFont(font);
}

void LabelAndLineEdit::setStyle(int type)
{
    styleText.clear();
    switch (type) {
    case FramedRowStyle:
        lineEdit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        rowLayout->setContentsMargins(20, 10, 10, 10);
        styleText += "LabelAndLineEdit{ border-radius: 3px; border:1px solid #CCCCCC; background-color:white; }";
        break;
    case DialogRowStyle:
    case InputRowStyle:
        lineEdit->setFixedHeight(kEditHeight);
        lineEdit->setStyle(WhiteLook);
        break;
    case FieldRowStyle:
        lineEdit->setFixedHeight(kEditHeight);
        lineEdit->setStyle(FieldLook);
        break;
    case WideRowStyle:
        label->setFixedWidth(kWideLabelWidth);
        lineEdit->setFixedSize(kWideEditWidth, kEditHeight);
        lineEdit->setStyle(WhiteLook);
        break;
    default:
        break;
    }
    setStyleSheet(styleText);
}
