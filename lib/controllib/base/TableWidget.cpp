#include "TableWidget.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

enum Style { PlainStyle = 0 };

}

TableWidget::TableWidget(QWidget *parent)
    : QTableWidget(parent)
{
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
    setShowGrid(false);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    viewport()->installEventFilter(this);
    horizontalHeader()->setFixedHeight(50);
    horizontalHeader()->setStyleSheet("QHeaderView::section{ border:0px solid red; background-color:#FFFFFF; }");
}

void TableWidget::setStyle(int type)
{
    styleText.clear();
    if (type == PlainStyle) {
        styleText += "QTableWidget{ background-color:white; color: #323334; border:0px solid #E0E0E0;";
        styleText += "selection-background-color:#D3D3D3; selection-color:black; }";
    }
    setStyleSheet(styleText);
}

void TableWidget::setListLayout(const QVector<int> &columnWidths, int stretchColumn)
{
    setStyle(PlainStyle);
    setColumnCount(columnWidths.size());
    for (int i = 0; i < columnWidths.size(); ++i)
        setColumnWidth(i, columnWidths.at(i));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(stretchColumn, QHeaderView::Stretch);
    setShowGrid(true);
    setAlternatingRowColors(false);
    horizontalHeader()->setVisible(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setStyleSheet("QScrollBar:vertical{ width: 0px; }");
    setStyleSheet("TableWidget { border:0px; color: #37383C; }");
}

QWidget *TableWidget::centredCell(QWidget *content, int width, int height)
{
    auto *cell = new QWidget;
    cell->setFixedSize(width, height);
    auto *layout = new QVBoxLayout(cell);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content, 0, Qt::AlignCenter);
    return cell;
}

bool TableWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            pressed = true;
            pressY = static_cast<QMouseEvent *>(event)->pos().y();
            pressValue = verticalScrollBar()->value();
            break;
        case QEvent::MouseMove:
            if (pressed) {
                QScrollBar *bar = verticalScrollBar();
                const int y = static_cast<QMouseEvent *>(event)->pos().y();
                bar->setValue(qBound(0, pressValue + pressY - y, bar->maximum()));
            }
            break;
        case QEvent::MouseButtonRelease:
            pressed = false;
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
