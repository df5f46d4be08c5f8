#ifndef TOUCHBUTTON_H
#define TOUCHBUTTON_H

#include <QPushButton>
#include <QString>

// A push button that shows a pressed look while a finger or the mouse is down
// on it. Touches are handled here: the button clicks when a finger is lifted
// inside it, and ignores the mouse events a platform synthesises for touches.
class TouchButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TouchButton(QWidget *parent = nullptr);

    void setStyle(int type);

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool isInside(const QPointF &pos) const;

    QString normalStyle;
    QString pressedStyle;
};

#endif
