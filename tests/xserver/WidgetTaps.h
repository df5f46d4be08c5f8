#pragma once

#include "PushButton.h"
#include "XScreen.h"

#include <QWidget>

// Where a widget of the test's own program stands on the screen, so that a
// real tap from outside can find it.
namespace WidgetTaps {

inline QPoint centreOf(const QWidget *widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

inline QRect globalRect(const QWidget *widget)
{
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

inline bool tap(const QWidget *widget)
{
    return XScreen::tap(centreOf(widget));
}

// The main window's four page buttons, in page order.
inline QList<PushButton *> navigationButtons(const QWidget *window)
{
    QList<PushButton *> buttons;
    for (PushButton *button : window->findChildren<PushButton *>()) {
        if (button->isCheckable() && button->size() == QSize(90, 80))
            buttons << button;
    }
    return buttons;
}

}
