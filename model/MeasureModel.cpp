#include "MeasureModel.h"

MeasureModel::MeasureModel(QObject *parent)
    : QObject(parent)
{
}
