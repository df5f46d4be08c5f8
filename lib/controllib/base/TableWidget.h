#ifndef TABLEWIDGET_H
#define TABLEWIDGET_H

#include <QString>
#include <QTableWidget>

// A read-only table without selection, grid or focus that a finger scrolls by
// dragging over it; presses still reach the cells and their widgets.
class TableWidget : public QTableWidget
{
    Q_OBJECT
public:
    explicit TableWidget(QWidget *parent = nullptr);

    void setStyle(int type);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString styleText;
    bool pressed = false;
    int pressY = 0;
    int pressValue = 0;
};

#endif
