#ifndef LABELANDLABEL_H
#define LABELANDLABEL_H

#include "CustomButton.h"

#include <QString>

class QFont;
class QHBoxLayout;
class QLabel;

// A clickable name/value row: the name on the left, the value on the right.
class LabelAndLabel : public CustomButton
{
    Q_OBJECT
public:
    enum Style { RowStyle = 0 };

    explicit LabelAndLabel(QWidget *parent = nullptr);

    void setText(const QString &name, const QString &value);
    void setValueText(const QString &value);
    void setAlignment(Qt::Alignment nameAlignment, Qt::Alignment valueAlignment);
    void setFont(const QFont &font);
    void setStyle(int type);

private:
    QLabel *nameLabel;
    QLabel *valueLabel;
    QHBoxLayout *rowLayout;
    QString styleText;
};

#endif
