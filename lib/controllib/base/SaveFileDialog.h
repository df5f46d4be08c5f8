#ifndef SAVEFILEDIALOG_H
#define SAVEFILEDIALOG_H

#include "Dialog.h"

class LabelAndLineEdit;
class TouchButton;

// Proposes the name under which the shown measurement is saved, beside its
// measuring time; only the name can be changed.
class SaveFileDialog : public Dialog
{
    Q_OBJECT
public:
    explicit SaveFileDialog(QWidget *parent = nullptr);

    void setFileNameRow(const QString &label, const QString &text);
    void setMeasureTimeRow(const QString &label, const QString &text);
    void setButtonTexts(const QString &confirm, const QString &cancel);

signals:
    void confirm(QString fileName, QString measureTime);

private:
    LabelAndLineEdit *fileNameRow;
    LabelAndLineEdit *measureTimeRow;
    TouchButton *confirmButton;
    TouchButton *cancelButton;
};

#endif
