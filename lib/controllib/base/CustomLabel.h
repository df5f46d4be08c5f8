#ifndef CUSTOMLABEL_H
#define CUSTOMLABEL_H

#include "CustomButton.h"

#include <QString>

class QHBoxLayout;
class QLabel;

// A selectable list row: one label with a normal and a selected look.
class CustomLabel : public CustomButton
{
    Q_OBJECT
public:
    enum Style { RowStyle = 0 };

    explicit CustomLabel(QWidget *parent = nullptr);

    void setStyle(int type);
    void setSelected(bool selected);
    void setText(const QString &text);
    QString text() const;
    void setContentMargins(int left, int top, int right, int bottom);

private:
    void applyLook();

    QString normalStyle;
    QString selectedStyle;
    QLabel *label;
    QHBoxLayout *layout;
    bool selected = false;
};

#endif
