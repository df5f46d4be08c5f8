#ifndef DRAGSCROLLAREA_H
#define DRAGSCROLLAREA_H

#include "DragScroller.h"

#include <QScrollArea>

// A scroll area without visible scroll bars whose content the finger drags.
class DragScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    explicit DragScrollArea(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DragScroller dragScroller;
};

#endif
