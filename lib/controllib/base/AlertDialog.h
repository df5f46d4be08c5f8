#ifndef ALERTDIALOG_H
#define ALERTDIALOG_H

#include "Dialog.h"

class QLabel;
class TouchButton;

// A yes/no question.
class AlertDialog : public Dialog
{
    Q_OBJECT
public:
    explicit AlertDialog(QWidget *parent = nullptr);

    void setText(const QString &text);
    void setButtonTexts(const QString &confirm, const QString &cancel);

signals:
    void confirm();
    void cancel();

private:
    QLabel *messageLabel;
    TouchButton *confirmButton;
    TouchButton *cancelButton;
};

#endif
