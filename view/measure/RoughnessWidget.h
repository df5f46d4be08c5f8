#ifndef ROUGHNESSWIDGET_H
#define ROUGHNESSWIDGET_H

#include "CustomPlot.h"

// The roughness profile of the last evaluation.
class RoughnessWidget : public CustomPlot
{
public:
    explicit RoughnessWidget(QWidget *parent = nullptr);
};

#endif
