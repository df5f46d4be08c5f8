#ifndef DEVELOPERMODELDIALOG_H
#define DEVELOPERMODELDIALOG_H

#include "Dialog.h"

class ComboBox;
class TouchButton;

// Offers the developer functions in a drop-down list and reports the choice.
class DeveloperModelDialog : public Dialog
{
    Q_OBJECT
public:
    // The entries of the list, by index.
    enum Function { MiddleNeedleVoltageCalibration = 0 };

    explicit DeveloperModelDialog(QWidget *parent = nullptr);

    void setButtonTexts(const QString &confirm, const QString &cancel);

signals:
    void confirm(int index);
    void cancel();

private:
    ComboBox *comboBox;
    TouchButton *confirmButton;
    TouchButton *cancelButton;
};

#endif
