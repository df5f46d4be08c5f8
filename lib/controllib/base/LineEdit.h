#ifndef LINEEDIT_H
#define LINEEDIT_H

#include <QLineEdit>
#include <QString>

// The single-line input: every press starts the touch keyboard, input is
// restricted by one of the numbered patterns.
class LineEdit : public QLineEdit
{
    Q_OBJECT
public:
    enum ValidatorType { Digits = 0, Decimal = 1, FileName = 2, KeepValidator = 3, Range = 4 };

    explicit LineEdit(QWidget *parent = nullptr);

    void setValidatorType(int type);
    void setStyle(int type);

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString styleText;
    const QString digitsPattern;
    const QString decimalPattern;
    const QString fileNamePattern;
    const QString rangePattern;
};

#endif
