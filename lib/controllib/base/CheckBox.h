#ifndef CHECKBOX_H
#define CHECKBOX_H

#include <QCheckBox>
#include <QString>

// A check box with large image indicators, for the first column of tables.
class CheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit CheckBox(QWidget *parent = nullptr);

    void setStyle(int type);

private:
    QString styleText;
};

#endif
