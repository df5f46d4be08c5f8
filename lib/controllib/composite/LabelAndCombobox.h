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

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // In the settings grid the row's width is fixed, so a long label text
    // gets a smaller font rather than pushing the list out of the row.
    void fitLabel();

    QLabel *label;
    ComboBox *comboBox;
    QHBoxLayout *rowLayout;
    QString styleText;
    int styleType = -1;
};

#endif
