#ifndef DIALOG_H
#define DIALOG_H

#include <QString>
#include <QWidget>

class QFont;
class QLabel;
class QHBoxLayout;
class QLayout;
class TouchButton;

// Base of the program's questions and inputs: a fixed-width card with a title
// bar over a content area, deleted when closed. Concrete dialogs fill the
// content area and stand on a MaskWidget as its child, which keeps the window
// behind from taking input while they are open.
class Dialog : public QWidget
{
    Q_OBJECT
public:
    enum Style { CardStyle = 0 };

    explicit Dialog(QWidget *parent = nullptr, int style = CardStyle);

    void setTitle(const QString &text);
    void setTitleHeight(int height);
    void setTitleFont(const QFont &font);
    void setContentLayout(QLayout *layout);
    void setContentStyleSheet(const QString &text);
    void setStyle(int type);

protected:
    // The row under a dialog's content: confirm on the left, cancel on the
    // right, sharing the width.
    static QHBoxLayout *buttonRow(TouchButton *confirmButton, TouchButton *cancelButton);

private:
    QString styleText;
    QWidget *titleWidget;
    QLabel *titleLabel;
    int titleHeight = 50;
    QWidget *contentWidget;
    QWidget *totalWidget;
};

#endif
