#ifndef WAVINESSWIDGET_H
#define WAVINESSWIDGET_H

#include "CustomPlot.h"

// The waviness profile of the last evaluation.
class WavinessWidget : public CustomPlot
{
public:
    explicit WavinessWidget(QWidget *parent = nullptr);
};

#endif
