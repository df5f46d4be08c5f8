#ifndef ROWCOLUMN_H
#define ROWCOLUMN_H

#include "ListWidget.h"

#include <QHBoxLayout>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QVBoxLayout>
#include <QWidget>

// A list panel filling its host, whose content is a column of equal rows.
// Rows are made on demand and kept: a shorter list hides the rows it does
// not use.
template <typename Row> class RowColumn
{
public:
    RowColumn(QWidget *host, const QString &iconPath, int rowHeight)
        : listWidget(new ListWidget)
        , column(new QWidget)
        , columnLayout(new QVBoxLayout(column))
        , rowHeight(rowHeight)
    {
        listWidget->setStyle(ListWidget::PanelStyle);
        listWidget->setIcon(QPixmap::fromImage(QImage(iconPath)));
        columnLayout->setContentsMargins(0, 0, 0, 0);
        columnLayout->setSpacing(0);
        listWidget->setContentWidget(column);

        auto *layout = new QHBoxLayout(host);
        layout->addWidget(listWidget);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }

    ListWidget *panel() const { return listWidget; }
    QWidget *widget() const { return column; }
    const QList<Row *> &rows() const { return rowList; }

    // Shows the first count rows, making the missing ones with makeRow, and
    // hides the others.
    template <typename MakeRow> void showRows(int count, MakeRow makeRow)
    {
        while (rowList.size() < count) {
            Row *row = makeRow();
            row->setFixedHeight(rowHeight);
            columnLayout->addWidget(row);
            rowList << row;
        }
        for (int i = 0; i < rowList.size(); ++i)
            rowList.at(i)->setVisible(i < count);
        column->setFixedHeight(count * rowHeight);
    }

    // Keeps the column as wide as the inside of the panel.
    void fitWidth() { column->setFixedWidth(listWidget->width() - 2 * listWidget->margin()); }

private:
    ListWidget *listWidget;
    QWidget *column;
    QVBoxLayout *columnLayout;
    QList<Row *> rowList;
    const int rowHeight;
};

#endif
