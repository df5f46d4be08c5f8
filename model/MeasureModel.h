#ifndef MEASUREMODEL_H
#define MEASUREMODEL_H

#include <QObject>

class MeasureModel : public QObject
{
    Q_OBJECT
public:
    explicit MeasureModel(QObject *parent = nullptr);
};

#endif
