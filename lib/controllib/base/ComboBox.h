#ifndef COMBOBOX_H
#define COMBOBOX_H

#include <QComboBox>
#include <QString>
#include <QStringList>

// A drop-down list with numbered looks. Its option texts are refilled on every
// language or unit change, which must neither move the selection nor look like
// a choice of the operator.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget *parent = nullptr);

    void setItems(const QStringList &items);
    void setStyle(int type);
    void setItemHeight(int height);

signals:
    void indexChanged(int index);

private:
    QString styleText;
    int itemHeight = 45;
    int styleType = -1;
};

#endif
