#include "LineEdit.h"

#include "UiUtilities.h"

#include <QDebug>
#include <QMouseEvent>
#include <QRegExpValidator>

namespace {

enum Style { FieldStyle = 2, WhiteStyle = 3, GreyStyle = 4 };

}

LineEdit::LineEdit(QWidget *parent)
    : QLineEdit(parent)
    , digitsPattern(R"([0-9]{1,8})")
    , decimalPattern(R"(^[0-9]+(\.[0-9]{1,3})?$)")
    , fileNamePattern(R"([^?*:<>\/| ]+)")
    , rangePattern(R"(^(-[1-9]|-[1-9][0-9]|-[1][0-9][0-9]|-[2][0][0])|^(800|[0-9]|[1-9][0-9]|[1-7][0-9][0-9]))")
{
    setEnabled(true);
}

void LineEdit::setValidatorType(int type)
{
    QString pattern;
    switch (type) {
    case Digits:
        pattern = digitsPattern;
        break;
    case Decimal:
        pattern = decimalPattern;
        break;
    case FileName:
        pattern = fileNamePattern;
        break;
    case KeepValidator:
        return;
    case Range:
        pattern = rangePattern;
        break;
    default:
        break;
    }
    setValidator(new QRegExpValidator(QRegExp(pattern, Qt::CaseSensitive, QRegExp::RegExp), this));
}

void LineEdit::setStyle(int type)
{
    styleText.clear();
    switch (type) {
    case FieldStyle:
        styleText += "QLineEdit { border-radius:6px; border:1px solid #BEBEBE;background-color:#FCFCFC; color: "
                     "#464646; padding-left:10px; }";
        break;
    case WhiteStyle:
        styleText += "QLineEdit { border-radius: 6px; border:1px solid #BEBEBE;background-color:#ffffff; color: "
                     "#464646;  padding-left:10px; }";
        break;
    case GreyStyle:
        styleText += "QLineEdit { border-radius:5px; border:0px solid #BEBEBE;background-color: rgb(241,243,244); "
                     "color: rgb(95,99,104); padding-left:10px; }";
        break;
    default:
        break;
    }
    setStyleSheet(styleText);
}

bool LineEdit::event(QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        qDebug() << "屏幕键盘";
        openTouchKeyboard();
    }
    return QLineEdit::event(event);
}

void LineEdit::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void LineEdit::keyPressEvent(QKeyEvent *event)
{
    QLineEdit::keyPressEvent(event);
}
