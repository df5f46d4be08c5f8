#include "ComboBox.h"

#include <QListView>

namespace {

const char *const arrowBottom =
    "QComboBox::down-arrow     { image: "
    "url(:/lib/controllib/base/combobox/image/arrow-bottom.png); width:15px; height:15px; }";

struct Look {
    const char *box;
    const char *checked;
    const char *popup;
};

const char *const lightBox = "QComboBox { border-radius:5px; border:0px solid #BEBEBE; background-color: "
                             "rgb(241,243,244); color: rgb(95,99,104); }";
const char *const blueChecked = "QComboBox:checked { border-radius:5px; border:2px solid rgb(163,199,246); "
                                "background-color:#FFFFFF;  }";
const char *const plainPopup = "QComboBox QAbstractItemView { border-radius:3px; border: 1px solid #BEBEBE; color: "
                               "#464646; }";

// Styles 1 to 4.
const Look looks[] = {
    {lightBox, blueChecked, plainPopup},
    {"QComboBox { border-radius:5px; border:1px solid #BEBEBE; background-color: rgb(255,255,255); }", blueChecked,
     "QComboBox QAbstractItemView { border-radius:3px; border: 1px solid #BEBEBE; color: #464646; background-color: "
     "rgb(255,255,255); }"},
    {"QComboBox { border-radius:0px; border:2px solid #BEBEBE; background-color: rgb(255,255,255); color: "
     "rgb(95,99,104); }",
     "QComboBox:checked { border-radius:0px; border:2px solid rgb(102,102,102); background-color: rgb(255,255,255);  "
     "}",
     plainPopup},
    {lightBox,
     "QComboBox:checked { border-radius:5px; border:0px solid rgb(163,199,246); background-color: rgb(241,243,244); }",
     plainPopup},
};

enum StyleNumber { WideStyle = 0, FirstLook = 1, LastLook = 4 };

}

ComboBox::ComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setView(new QListView);
    setFocusPolicy(Qt::NoFocus);
}

void ComboBox::setItems(const QStringList &items)
{
    disconnect(this, SIGNAL(currentIndexChanged(int)), this, SIGNAL(indexChanged(int)));
    const int index = currentIndex();
    clear();
    insertItems(count(), items);
    setCurrentIndex(index < 0 ? 0 : index);
    connect(this, SIGNAL(currentIndexChanged(int)), this, SIGNAL(indexChanged(int)));
}

void ComboBox::setStyle(int type)
{
    styleType = type;
    styleText.clear();
    if (type == WideStyle) {
        styleText += "QComboBox { border-radius:3px; border:1px solid #E0E0E0; width:150px; height:50px; "
                     "background-color:#FAFAFA; color:black; }";
        styleText += "QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: top right; width: 25px; "
                     "padding-right:10px;";
        styleText += "border-top-right-radius: 3px;border-bottom-right-radius: 3px; border-left-color: #E0E0E0; }";
        styleText += "QComboBox::down-arrow     { image: url(:/lib/controllib/base/combobox/image/arrow-bottom.png);  "
                     "width:14px; height:14px; }";
        styleText += "QComboBox::down-arrow:on  { image: url(:/lib/controllib/base/combobox/image/arrow-top.png);     "
                     "width:14px; height:14px; }";
        styleText += "QComboBox QAbstractItemView { }";
        styleText += "QComboBox QAbstractItemView::item { width:200px;height:50px; }";
        styleText += "QComboBox QAbstractItemView::item:hover { background-color:#388BFF;color:white;width:200px;"
                     "height:50px; }";
        styleText += "QComboBox QAbstractItemView::item:focus { background-color:#388BFF;color:white;width:200px;"
                     "height:50px; }";
        styleText += "QComboBox:!enabled { background-color:#F0F0F0; }";
    } else if (type >= FirstLook && type <= LastLook) {
        const Look &look = looks[type - FirstLook];
        styleText += look.box;
        styleText += look.checked;
        styleText += "QComboBox::drop-down { subcontrol-origin: padding;   subcontrol-position: top right; width: "
                     "25px; padding-right:10px; ";
        styleText += "border-top-right-radius: 3px; border-bottom-right-radius: 3px; border-left-color: #BEBEBE; }";
        styleText += arrowBottom;
        styleText += "QComboBox::down-arrow:on  { image: url(:/lib/controllib/base/combobox/image/arrow-bottom.png); "
                     "width:15px; height:15px; }";
        styleText += look.popup;
        styleText += QString("QComboBox QAbstractItemView::item { height:%1px; color: #464646;  }").arg(itemHeight);
        styleText += "QComboBox QAbstractItemView::item:hover { background-color: rgb(30,144,255); color: white; }";
        styleText += "QComboBox QAbstractItemView::item:focus { background-color: rgb(30,144,255); color: white; }";
        styleText += "QComboBox:!enabled { background-color:#E1E1E1; }";
    }
    setStyleSheet(styleText);
}

void ComboBox::setItemHeight(int height)
{
    itemHeight = height;
    setStyle(styleType);
    setFixedHeight(height);
}
