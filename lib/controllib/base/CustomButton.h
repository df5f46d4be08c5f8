#ifndef CUSTOMBUTTON_H
#define CUSTOMBUTTON_H

#include <QPoint>
#include <QWidget>

// A plain widget that clicks when a press is released inside it without having
// moved more than one pixel, so a finger dragging a list never clicks a row.
class CustomButton : public QWidget
{
    Q_OBJECT
public:
    explicit CustomButton(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool pressed = false;
    bool moved = false;
    QPoint pressPos;
};

#endif
