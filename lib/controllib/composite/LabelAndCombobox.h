#ifndef LABELANDCOMBOBOX_H
#define LABELANDCOMBOBOX_H

#include <QString>
#include <QStringList>
#include <QWidget>

class ComboBox;
class QHBoxLayout;
class QLabel;

// A label with a drop-down list on the right. Style 0 gives the list the
// row's height at that moment, so users fix the row's height before it.
class LabelAndCombobox : public QWidget
{
    Q_OBJECT
public:
    enum Style { SettingStyle = 0, WideStyle = 1, ChoiceStyle = 2 };

    explicit LabelAndCombobox(QWidget *parent = nullptr);

    void setItems(const QString &labelText, const QStringList &items);
    void setCurrentIndex(int index);
    int currentIndex() const;
    QString currentText() const;
    void setStyle(int type);

signals:
    void indexChanged(int index);

private:
    QLabel *label;
    ComboBox *comboBox;
    QHBoxLayout *rowLayout;
    QString styleText;
};

#endif
