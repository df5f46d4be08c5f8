#include "PushButton.h"

#include <QStringList>

namespace {

const QStringList &preset(int type)
{
    static const QList<QStringList> presets = {
        {".QPushButton{border:0px; color:white; background-color: transparent; }"},
        {".QPushButton{ border:0px; border-left: 7px solid rgba(119,25,170,0);  }",
         ".QPushButton:checked{ background-color: rgb(225,223,221); border-left:7px solid rgb(119,25,170);  }"},
        {".QPushButton{ border:0px solid red; background-color: white; color: rgb(38,46,62); text-align: center; "
         "padding-left: 0px; border-radius: 5px; }",
         ".QPushButton:checked { background-color: rgb(232,235,239); color: rgb(65,127,249); }"},
        {"QPushButton{ border:0px solid red; background-color: #5891FB; color:white; }"},
        {"QPushButton{ border:1px solid #CCCCCC; background-color: white; color: black; border-radius: 6px; }"},
        {"QPushButton { padding-left: 0px; border-radius:5px; border:1px solid #BEBEBE; background-color: "
         "rgb(255,255,255); }"},
    };
    static const QStringList none;
    return type >= 0 && type < presets.size() ? presets.at(type) : none;
}

}

PushButton::PushButton(QWidget *parent)
    : QPushButton(parent)
{
}

void PushButton::setStyle(int type)
{
    styleText.clear();
    for (const QString &piece : preset(type))
        styleText += piece;
    setStyleSheet(styleText);
}
