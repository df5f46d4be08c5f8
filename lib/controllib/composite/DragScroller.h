#ifndef DRAGSCROLLER_H
#define DRAGSCROLLER_H

class QEvent;
class QScrollBar;

// Scrolls a panel's content with the finger: a press on the viewport takes
// hold, a move shifts the vertical scroll bar by the distance travelled
// (within its range), a release lets go. Mouse events that rows pass on
// reach the viewport too, so a drag may start on a row.
class DragScroller
{
public:
    // Handles one event of the viewport; true when the event is consumed.
    bool handleViewportEvent(QEvent *event, QScrollBar *scrollBar);

private:
    bool pressed = false;
    int pressY = 0;
    int pressValue = 0;
};

#endif
