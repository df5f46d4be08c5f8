#ifndef PARALISTWIDGET_H
#define PARALISTWIDGET_H

#include "TitledRowList.h"

// The parameter rows of the instrument record shown.
class paraListWidget : public TitledRowList
{
    Q_OBJECT
public:
    explicit paraListWidget(QWidget *parent = nullptr);
};

#endif
