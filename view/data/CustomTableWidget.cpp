#include "CustomTableWidget.h"

#include "CheckBox.h"
#include "Language.h"
#include "TableWidget.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidgetItem>
#include <QVBoxLayout>

namespace {

enum CheckBoxStyle { HeaderCheckBox = 0, RowCheckBox = 2 };
enum Column { CheckColumn = 0, FileNameColumn = 2 };

const QString borderColour = "rgb(224,224,224)";
const QString headerBackground = "rgb(241,242,246)";
constexpr int headerHeight = 50;
constexpr int rowHeight = 46;
constexpr int checkBoxSize = 30;

}

CustomTableWidget::CustomTableWidget(QWidget *parent)
    : Widget(parent)
{
}

void CustomTableWidget::setRows(const QList<QStringList> &rows)
{
    // Removing the rows takes their cell widgets, and with them the boxes.
    table->setRowCount(0);
    rowCheckBoxes.clear();
    {
        const QSignalBlocker blocker(selectAllCheckBox);
        selectAllCheckBox->setChecked(false);
    }
    table->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        auto *box = new CheckBox;
        box->setStyle(RowCheckBox);
        box->setFixedSize(checkBoxSize, checkBoxSize);
        connect(box, &CheckBox::clicked, this, &CustomTableWidget::emitCheckedRows);
        rowCheckBoxes << box;
        box->setChecked(selectAllCheckBox->isChecked());
        table->setCellWidget(r, CheckColumn, TableWidget::centredCell(box, rowHeight, rowHeight));
        for (int c = 1; c < columnWidths.size(); ++c) {
            auto *item = new QTableWidgetItem(rows.at(r).value(c - 1));
            item->setTextAlignment(Qt::AlignCenter);
            table->setItem(r, c, item);
        }
        table->setRowHeight(r, rowHeight);
    }
}

QList<int> CustomTableWidget::checkedRows() const
{
    QList<int> rows;
    for (int i = 0; i < rowCheckBoxes.size(); ++i) {
        if (rowCheckBoxes.at(i)->isChecked())
            rows << i;
    }
    return rows;
}

int CustomTableWidget::firstCheckedRow() const
{
    const QList<int> rows = checkedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

void CustomTableWidget::emitCheckedRows()
{
    emit checkBoxListChanged(checkedRows());
}

void CustomTableWidget::initData()
{
    columnWidths = {50, 70, 200, 220, 145, 145, 145, 145};
}

void CustomTableWidget::initHeader()
{
    headerLayout = new QHBoxLayout;
    selectAllCheckBox = new CheckBox;
    selectAllCheckBox->setStyle(HeaderCheckBox);
    selectAllCheckBox->setFixedSize(checkBoxSize, checkBoxSize);
    selectAllCheckBox->setChecked(false);

    QWidget *checkCell = TableWidget::centredCell(selectAllCheckBox, columnWidths[CheckColumn], headerHeight);
    checkCell->setStyleSheet(QString("QWidget { background-color: %2; color:black; border-bottom: 1px solid %1; }")
                                 .arg(borderColour, headerBackground));
    headerLayout->addWidget(checkCell);

    for (int i = 1; i < columnWidths.size(); ++i) {
        auto *label = new QLabel;
        label->setAlignment(Qt::AlignCenter);
        if (i != FileNameColumn)
            label->setFixedSize(columnWidths[i], headerHeight);
        label->setStyleSheet(
            QString("background-color: %2; color:black;   border-left: 1px solid %1; border-bottom: 1px solid %1; ")
                .arg(borderColour, headerBackground));
        headerLayout->addWidget(label);
        headerLabels << label;
    }
    headerLayout->setContentsMargins(0, 0, 0, 0);
    headerLayout->setSpacing(0);
}

void CustomTableWidget::initTable()
{
    table = new TableWidget;
    table->setListLayout(columnWidths, FileNameColumn);
    table->setMinimumHeight(50);
}

void CustomTableWidget::initUi()
{
    initHeader();
    initTable();
    auto *layout = new QVBoxLayout;
    layout->addLayout(headerLayout);
    layout->addWidget(table);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    setLayout(layout);
}

void CustomTableWidget::initConnect()
{
    connect(selectAllCheckBox, &CheckBox::clicked, this, [this](bool checked) {
        for (CheckBox *box : qAsConst(rowCheckBoxes))
            box->setChecked(checked);
        emitCheckedRows();
    });
}

void CustomTableWidget::initStyle()
{
    setStyleSheet("CustomTableWidget { background-color:white;  border-top:      1px solid rgb(224,224,224); "
                  "border-left:     1px solid rgb(224,224,224); border-right:    1px solid rgb(224,224,224); }");
}

void CustomTableWidget::retranslateUi()
{
    Language *dictionary = Language::instance();
    headerLabels[0]->setText(dictionary->text("number"));
    headerLabels[1]->setText(dictionary->text("fileName"));
    headerLabels[2]->setText(dictionary->text("measurementTime"));
    headerLabels[3]->setText(dictionary->text("calculationStandard"));
    headerLabels[4]->setText(dictionary->text("waveFilter"));
    headerLabels[5]->setText("λs");
    headerLabels[6]->setText("λc");
}
