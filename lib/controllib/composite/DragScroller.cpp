#include "DragScroller.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QtGlobal>

bool DragScroller::handleViewportEvent(QEvent *event, QScrollBar *scrollBar)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressed = true;
        pressY = static_cast<QMouseEvent *>(event)->pos().y();
        pressValue = scrollBar->value();
        return true;
    case QEvent::MouseMove:
        if (pressed) {
            const int y = static_cast<QMouseEvent *>(event)->pos().y();
            scrollBar->setValue(qBound(0, pressValue + pressY - y, scrollBar->maximum()));
        }
        return true;
    case QEvent::MouseButtonRelease:
        pressed = false;
        return true;
    default:
        return false;
    }
}
