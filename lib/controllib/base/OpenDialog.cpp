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
    const QRect rect = mask->mainRect();
    dialog->move(mask->x() + (rect.width() - dialog->width()) / 2, mask->y() + (rect.height() - dialog->height()) / 2);
}
