#ifndef CONFIGLISTWIDGET_H
#define CONFIGLISTWIDGET_H

#include "TitledRowList.h"

// The measurement configuration of the instrument record shown.
class configListWidget : public TitledRowList
{
    Q_OBJECT
public:
    explicit configListWidget(QWidget *parent = nullptr);
};

#endif
