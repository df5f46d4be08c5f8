#ifndef HINTDIALOG_H
#define HINTDIALOG_H

#include "Dialog.h"

class QLabel;

// A message without buttons; its opener closes it.
class HintDialog : public Dialog
{
    Q_OBJECT
public:
    explicit HintDialog(QWidget *parent = nullptr);

    void setText(const QString &text);

private:
    QLabel *messageLabel;
};

#endif
