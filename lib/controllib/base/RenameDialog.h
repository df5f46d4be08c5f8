#ifndef RENAMEDIALOG_H
#define RENAMEDIALOG_H

#include "Dialog.h"

class LineEdit;
class QLabel;
class TouchButton;

// Asks for a new file name; the old one is offered selected, so typing
// replaces it.
class RenameDialog : public Dialog
{
    Q_OBJECT
public:
    explicit RenameDialog(QWidget *parent = nullptr);

    void setLabelText(const QString &text);
    void setText(const QString &text);
    void setValidatorType(int type);
    void setButtonTexts(const QString &confirm, const QString &cancel);

signals:
    void confirm(QString text);
    void cancel();

private:
    QLabel *promptLabel;
    LineEdit *lineEdit;
    TouchButton *confirmButton;
    TouchButton *cancelButton;
};

#endif
