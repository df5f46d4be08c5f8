#include "GlobalManager.h"

#include "CalculateController.h"
#include "CalculateModel.h"
#include "DataManagementController.h"
#include "DataManagementModel.h"
#include "FileController.h"
#include "FileModel.h"
#include "GlobalData.h"
#include "MeasureController.h"
#include "MeasureModel.h"
#include "NetworkController.h"
#include "SettingsModel.h"
#include "SetupController.h"
#include "SetupModel.h"
#include "SqliteService.h"

#include <QCoreApplication>

GlobalManager *GlobalManager::instance()
{
    static GlobalManager manager;
    return &manager;
}

GlobalManager::GlobalManager()
{
    createObjects();
    connectObjects();
    // The graph outlives the application object; its objects and their timers
    // go while the application is still being torn down.
    qAddPostRoutine(releaseBeforeApplicationEnds);
}

void GlobalManager::releaseBeforeApplicationEnds()
{
    instance()->releaseObjects();
}

void GlobalManager::createObjects()
{
    dataManagementController = new DataManagementController(this);
    dataManagementModel = new DataManagementModel(this);
    dataManagementController->setDataManagementModel(dataManagementModel);

    measureController = new MeasureController(this);
    measureModel = new MeasureModel(this);
    measureController->setMeasureModel(measureModel);
    settingsModel = new SettingsModel(this);
    measureController->setSettingsModel(settingsModel);

    setupController = new SetupController(this);
    setupModel = new SetupModel(this);
    setupController->setSetupModel(setupModel);

    calculateController = new CalculateController(this);
    calculateModel = new CalculateModel(this);
    calculateController->setCalculateModel(calculateModel);

    networkController = new NetworkController(this);

    fileController = new FileController(this);
    fileModel = new FileModel(this);
    fileController->setFileModel(fileModel);
    sqliteService = new SqliteService(this);
    fileController->setSqliteService(sqliteService);
}

void GlobalManager::connectObjects()
{
    connect(GlobalData::instance(), &GlobalData::calculateRangeChanged, calculateController,
            &CalculateController::calculate);
    connect(settingsModel, &SettingsModel::calculateStandardChanged, calculateController, [this] {
        calculateController->updateParameterNameList();
        calculateController->calculate();
    });
    connect(settingsModel, &SettingsModel::shapeRemovalChanged, calculateController, &CalculateController::calculate);
    connect(settingsModel, &SettingsModel::waveFilterChanged, calculateController, &CalculateController::calculate);
    connect(settingsModel, &SettingsModel::cutoffWavelengthSChanged, calculateController,
            &CalculateController::calculate);
    connect(settingsModel, &SettingsModel::cutoffWavelengthCChanged, calculateController,
            &CalculateController::calculate);
    connect(
        networkController, &NetworkController::dataReceiveCompleted, networkController,
        [this] {
            calculateController->calculate();
            fileController->onDataReceiveCompleted();
        },
        Qt::DirectConnection);
    connect(calculateModel, &CalculateModel::calibrationFactorUpdated, networkController,
            &NetworkController::updateCalibrationFactor, Qt::DirectConnection);
}

void GlobalManager::releaseObjects()
{
    const QObjectList objects = children();
    for (auto it = objects.crbegin(); it != objects.crend(); ++it)
        delete *it;
    dataManagementController = nullptr;
    dataManagementModel = nullptr;
    measureController = nullptr;
    measureModel = nullptr;
    settingsModel = nullptr;
    setupController = nullptr;
    setupModel = nullptr;
    calculateController = nullptr;
    calculateModel = nullptr;
    networkController = nullptr;
    fileController = nullptr;
    fileModel = nullptr;
    sqliteService = nullptr;
}
