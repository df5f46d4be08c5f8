#ifndef CALIBRATIONDIALOG_H
#define CALIBRATIONDIALOG_H

#include "Dialog.h"
#include "ScrollNoticeContainer.h"

class LabelAndLineEdit;
class TouchButton;

// Asks for the Ra of the reference specimen before an Ra calibration. Only a
// value the calibration can use leaves the dialog; anything else is refused
// with a notice inside the dialog, which stays open.
class CalibrationDialog : public Dialog
{
    Q_OBJECT
public:
    static constexpr double kMaximumRa = 100.0;

    explicit CalibrationDialog(QWidget *parent = nullptr);

    void setText(const QString &label, const QString &value);
    void setButtonTexts(const QString &confirm, const QString &cancel);

signals:
    void confirm(double value);
    void cancel();

private:
    void onConfirmClicked();

    LabelAndLineEdit *valueRow;
    // Input errors show over the dialog, not over the dimmed main window.
    ScrollNoticeContainer noticeContainer;
    TouchButton *confirmButton;
    TouchButton *cancelButton;
};

#endif
