#ifndef OPENDIALOG_H
#define OPENDIALOG_H

#include "MaskWidget.h"

#include <utility>

class QWidget;

// The two halves of opening a dialog; pages call openDialog below.
MaskWidget *createDialogMask(QWidget *page);
void showDialogCentred(MaskWidget *mask, QWidget *dialog);

// Opens a dialog of type DialogType over the main window: a MaskWidget for
// page (a child of page's window that goes with page) takes
// GlobalData::mainWindowRect, the dialog is built on the mask and followed by
// it, prepare(dialog) connects its signals and sets its texts (and may fix its
// height), then the dialog is shown centred on the main window. The page
// keeps no pointer: closing the dialog deletes both.
template <typename DialogType, typename Prepare> DialogType *openDialog(QWidget *page, Prepare &&prepare)
{
    MaskWidget *mask = createDialogMask(page);
    auto *dialog = new DialogType(mask);
    mask->setDialog(dialog);
    std::forward<Prepare>(prepare)(dialog);
    showDialogCentred(mask, dialog);
    return dialog;
}

#endif
