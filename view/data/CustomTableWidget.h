#ifndef CUSTOMTABLEWIDGET_H
#define CUSTOMTABLEWIDGET_H

#include "Widget.h"

#include <QList>
#include <QStringList>
#include <QVector>

class CheckBox;
class QHBoxLayout;
class QLabel;
class TableWidget;

// One page of the file list: a check box before every row, a select-all box
// in the header row. It knows nothing of files; it shows the row texts it is
// given and reports the checked rows.
class CustomTableWidget : public Widget
{
    Q_OBJECT
public:
    explicit CustomTableWidget(QWidget *parent = nullptr);

    // Replaces every row; the new rows start unchecked and nothing is emitted.
    void setRows(const QList<QStringList> &rows);
    QList<int> checkedRows() const;
    int firstCheckedRow() const;
    void emitCheckedRows();

signals:
    void checkBoxListChanged(QList<int> list);

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;

private:
    void initHeader();
    void initTable();

    QVector<int> columnWidths;
    QHBoxLayout *headerLayout = nullptr;
    QList<QLabel *> headerLabels;
    TableWidget *table = nullptr;
    CheckBox *selectAllCheckBox = nullptr;
    // Each box belongs to the cell widget of its row and goes with it.
    QList<CheckBox *> rowCheckBoxes;
};

#endif
