#include "SetupController.h"

#include "Language.h"
#include "SetupModel.h"

SetupController::SetupController(QObject *parent)
    : QObject(parent)
{
}

void SetupController::setSetupModel(SetupModel *model)
{
    setupModel = model;
}

void SetupController::setIsAutoSave(bool on)
{
    setupModel->setIsAutoSave(on);
}

void SetupController::setUnit(int unit)
{
    setupModel->setUnit(unit);
}

void SetupController::setLanguage(int index)
{
    Language::instance()->setLanguage(index);
}
