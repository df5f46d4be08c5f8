#include "CheckBox.h"

namespace {

enum Style { HeaderStyle = 0, FramedStyle = 1, RowStyle = 2 };

const char *const largeIndicator = " QCheckBox::indicator { width: 30px; height: 30px; } ";
const char *const checkedImage =
    " QCheckBox::indicator:checked   { image: url(:/lib/controllib/base/checkbox/image/checkbox1.png); } ";
const char *const uncheckedImage =
    " QCheckBox::indicator:unchecked { image: url(:/lib/controllib/base/checkbox/image/checkbox2.png); } ";

}

CheckBox::CheckBox(QWidget *parent)
    : QCheckBox(parent)
{
}

void CheckBox::setStyle(int type)
{
    styleText.clear();
    switch (type) {
    case HeaderStyle:
        styleText += " QCheckBox { border: 0px solid red; background-color:rgb(241,242,246); } ";
        styleText += largeIndicator;
        styleText += checkedImage;
        styleText += uncheckedImage;
        break;
    case FramedStyle:
        styleText += " QCheckBox { border: 1px solid #E0E0E0; } ";
        styleText += " QCheckBox::indicator { width: 25px; height: 25px; } ";
        break;
    case RowStyle:
        styleText += " QCheckBox { border: 0px solid red; background-color:white; } ";
        styleText += largeIndicator;
        styleText += checkedImage;
        styleText += uncheckedImage;
        break;
    default:
        break;
    }
    setStyleSheet(styleText);
}
