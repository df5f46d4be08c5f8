#include "DragScrollArea.h"

#include <QScrollBar>

DragScrollArea::DragScrollArea(QWidget *parent)
    : QScrollArea(parent)
{
    horizontalScrollBar()->setVisible(false);
    verticalScrollBar()->setVisible(false);
    viewport()->installEventFilter(this);
}

bool DragScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport() && dragScroller.handleViewportEvent(event, verticalScrollBar()))
        return true;
    return QScrollArea::eventFilter(watched, event);
}
