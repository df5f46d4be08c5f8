#ifndef WIDGET_H
#define WIDGET_H

#include "UiUtilities.h"

#include <QWidget>

// Base of every page and panel: built in two phases, the constructor creates
// the object and init() runs the hooks and follows language and unit changes.
class Widget : public QWidget
{
    Q_OBJECT
public:
    explicit Widget(QWidget *parent = nullptr);

    void init();

public slots:
    virtual void showVirtualKeyboard();

protected:
    virtual void initData() = 0;
    virtual void initUi() = 0;
    virtual void initConnect() = 0;
    virtual void initStyle() = 0;
    virtual void retranslateUi() = 0;

    void paintEvent(QPaintEvent *event) override;
};

#endif
