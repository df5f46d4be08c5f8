#ifndef TABLEWIDGET_H
#define TABLEWIDGET_H

#include <QString>
#include <QTableWidget>
#include <QVector>

// A read-only table without selection, grid or focus that a finger scrolls by
// dragging over it; presses still reach the cells and their widgets.
class TableWidget : public QTableWidget
{
    Q_OBJECT
public:
    explicit TableWidget(QWidget *parent = nullptr);

    void setStyle(int type);
    // Lays the table out as the record lists show it: columns of fixed widths
    // but one that takes the rest, a grid, and neither header nor scroll bar.
    void setListLayout(const QVector<int> &columnWidths, int stretchColumn);

    // A plain widget of the given size with content centred in it, as a cell
    // or a header holds its check box.
    static QWidget *centredCell(QWidget *content, int width, int height);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString styleText;
    bool pressed = false;
    int pressY = 0;
    int pressValue = 0;
};

#endif
