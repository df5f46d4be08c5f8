#include "CalculateController.h"

#include "CalculateModel.h"

CalculateController::CalculateController(QObject *parent)
    : QObject(parent)
{
}

void CalculateController::setCalculateModel(CalculateModel *model)
{
    calculateModel = model;
}

void CalculateController::calculate()
{
    calculateModel->calculate();
}

void CalculateController::updateParameterNameList()
{
    calculateModel->updateParameterNameList();
}
