#include "StartupManager.h"

#include "CalculateController.h"
#include "FileController.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "MainWidget.h"
#include "NetworkController.h"
#include "SqliteService.h"
#include "TextFieldKeyboard.h"
#include "UiUtilities.h"

#include <QDebug>
#include <QDir>

void StartupManager::start()
{
    createDirectories();
    GlobalConfig::instance()->initStyle();
    initFont();
    loadData();
    createMainWindow();
    startServices();
}

void StartupManager::createDirectories()
{
    const GlobalConfig *config = GlobalConfig::instance();
    dataStorageFound = QDir(config->dataStorageDir).exists();
    for (const QString &dir : {config->fileInfoDir, config->dataStorageDir}) {
        if (!QDir(dir).exists())
            QDir().mkpath(dir);
    }
}

void StartupManager::initFont()
{
    GlobalData *data = GlobalData::instance();
    loadApplicationFont(data->font, applicationFontPath, GlobalConfig::instance()->fontPixelSize);
}

void StartupManager::loadData()
{
    GlobalManager *manager = GlobalManager::instance();
    manager->fileController->loadSystemConfig();
    // Once per start, not on every listing: a crash between a file and its
    // index row is mended before anything lists or names measurements. A data
    // folder made just now (moved away, or the program started from another
    // working folder) holds none of the indexed files, which are not gone for
    // that.
    const bool indexOpen = manager->sqliteService->openDatabase();
    if (indexOpen && dataStorageFound)
        manager->fileController->reconcileIndex();
    else if (indexOpen)
        qDebug() << "index left as it is: the data folder was missing at start"
                 << GlobalConfig::instance()->dataStorageDir;
    // No view exists yet to redraw, so the list is set without its signal.
    GlobalData::instance()->measureDataInfoList = manager->sqliteService->selectAllMeasureDataFileInfo();
}

void StartupManager::createMainWindow()
{
    TextFieldKeyboard::install();
    GlobalData *data = GlobalData::instance();
    auto *window = new MainWidget;
    data->mainWidget = window;
    window->init();
    window->show();
    data->noticeContainer.setParentWidget(window);
    data->mainWindowRect = window->geometry();
}

void StartupManager::startServices()
{
    GlobalManager *manager = GlobalManager::instance();
    manager->networkController->init();
    manager->calculateController->updateParameterNameList();
}
