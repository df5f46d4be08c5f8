#include "MeasureController.h"

#include "SettingsModel.h"

MeasureController::MeasureController(QObject *parent)
    : QObject(parent)
{
}

void MeasureController::setMeasureModel(MeasureModel *model)
{
    measureModel = model;
}

void MeasureController::setSettingsModel(SettingsModel *model)
{
    settingsModel = model;
}

void MeasureController::setCalculateStandard(int index)
{
    settingsModel->setCalculateStandard(index);
}

void MeasureController::setShapeRemoval(int index)
{
    settingsModel->setShapeRemoval(index);
}

void MeasureController::setWaveFilter(int index)
{
    settingsModel->setWaveFilter(index);
}

void MeasureController::setCutoffWavelengthS(int index)
{
    settingsModel->setCutoffWavelengthS(index);
}

void MeasureController::setCutoffWavelengthC(int index)
{
    settingsModel->setCutoffWavelengthC(index);
}

void MeasureController::setSamplingLength(double index)
{
    settingsModel->setSamplingLength(static_cast<int>(index));
}

void MeasureController::setSamplingNumber(int index)
{
    settingsModel->setSamplingNumber(index);
}

void MeasureController::setMeasureRange(int index)
{
    settingsModel->setMeasureRange(index);
}
