#ifndef LABELANDLINEEDIT_H
#define LABELANDLINEEDIT_H

#include <QString>
#include <QWidget>

class LineEdit;
class QFont;
class QHBoxLayout;
class QLabel;

// A label with an edit field on its right, as in the save and calibration
// dialogs.
class LabelAndLineEdit : public QWidget
{
    Q_OBJECT
public:
    enum Style {
        FramedRowStyle = 0,
        DialogRowStyle = 1,
        PlainStyle = 2,
        FieldRowStyle = 3,
        InputRowStyle = 4,
        WideRowStyle = 5
    };

    explicit LabelAndLineEdit(int style = PlainStyle, QWidget *parent = nullptr);

    void setText(const QString &labelText, const QString &editText);
    void setLabelText(const QString &text);
    void setEditText(const QString &text);
    void setPlaceholderText(const QString &text);
    QString text() const;

    void setLabelWidth(int width);
    void setEditWidth(int width);
    void setEditHeight(int height);
    void setEditSize(int width, int height);
    void setWidths(int labelWidth, int editWidth);
    void setContentsMargins(int left, int top, int right, int bottom);

    void setValidatorType(int type);
    void setIntRange(double bottom, double top);
    void setEditAlignment(Qt::Alignment alignment);
    void setEditEnabled(bool enabled);
    void setFont(const QFont &font);
    void setStyle(int type);

signals:
    void textChanged(const QString &text);

private:
    QString styleText;
    QLabel *label;
    LineEdit *lineEdit;
    QHBoxLayout *rowLayout;
};

#endif
