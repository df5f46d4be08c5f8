#include "DataManagementController.h"

DataManagementController::DataManagementController(QObject *parent)
    : QObject(parent)
{
}

void DataManagementController::setDataManagementModel(DataManagementModel *model)
{
    dataManagementModel = model;
}
