#include "OpenDialog.h"

#include "GlobalData.h"

MaskWidget *createDialogMask(QWidget *page)
{
    auto *mask = new MaskWidget(page);
    mask->setMainRect(GlobalData::instance()->mainWindowRect);
    return mask;
}

void showDialogCentred(MaskWidget *mask, QWidget *dialog)
{
    dialog->show();
    // The dialog is the mask's child and the mask covers the main window.
    dialog->move((mask->width() - dialog->width()) / 2, (mask->height() - dialog->height()) / 2);
}
