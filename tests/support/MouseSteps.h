#pragma once

#include <QApplication>
#include <QList>
#include <QMetaType>
#include <QMouseEvent>
#include <QPoint>
#include <QWidget>

// One mouse event of a scripted press, drag and release, in the widget's
// own coordinates.
struct Step {
    QEvent::Type type;
    QPoint pos;
    Qt::MouseButton button;
};

Q_DECLARE_METATYPE(QList<Step>)

inline Step mousePress(int x, int y, Qt::MouseButton button = Qt::LeftButton)
{
    return {QEvent::MouseButtonPress, {x, y}, button};
}

inline Step mouseMove(int x, int y)
{
    return {QEvent::MouseMove, {x, y}, Qt::LeftButton};
}

inline Step mouseRelease(int x, int y, Qt::MouseButton button = Qt::LeftButton)
{
    return {QEvent::MouseButtonRelease, {x, y}, button};
}

// Sends the step straight to the widget, with the buttons held as a real
// mouse would report them.
inline void send(QWidget *widget, const Step &step, Qt::MouseEventSource source = Qt::MouseEventNotSynthesized)
{
    const Qt::MouseButtons held =
        step.type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(step.button);
    QMouseEvent event(step.type, QPointF(step.pos), QPointF(step.pos), QPointF(widget->mapToGlobal(step.pos)),
                      step.type == QEvent::MouseMove ? Qt::NoButton : step.button, held, Qt::NoModifier, source);
    QApplication::sendEvent(widget, &event);
}
