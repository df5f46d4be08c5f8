#ifndef MAINTITLEBAR_H
#define MAINTITLEBAR_H

#include "Widget.h"

#include <QPoint>

class QLabel;
class PushButton;

// The purple bar across the top of the main window: the program's title, the
// exit button, and the drag that moves a frameless window.
class MainTitleBar : public Widget
{
    Q_OBJECT
public:
    explicit MainTitleBar(QWidget *parent = nullptr);

signals:
    // Where the window's top-left would be if it followed the pointer.
    void windowPositionChanged(QPoint point);
    void closeButtonClicked();

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool pressed = false;
    QPoint windowPos;
    QPoint pressPos;
    QLabel *titleLabel = nullptr;
    PushButton *exitButton = nullptr;
};

#endif
