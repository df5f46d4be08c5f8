#ifndef GLOBALMANAGER_H
#define GLOBALMANAGER_H

#include <QObject>

class CalculateController;
class CalculateModel;
class DataManagementController;
class DataManagementModel;
class FileController;
class FileModel;
class MeasureController;
class MeasureModel;
class NetworkController;
class SettingsModel;
class SetupController;
class SetupModel;
class SqliteService;

// Owns the controllers and models, hands each controller its models and makes
// the connections that keep the evaluation current.
class GlobalManager : public QObject
{
    Q_OBJECT
public:
    static GlobalManager *instance();

    DataManagementController *dataManagementController = nullptr;
    DataManagementModel *dataManagementModel = nullptr;
    MeasureController *measureController = nullptr;
    MeasureModel *measureModel = nullptr;
    SettingsModel *settingsModel = nullptr;
    SetupController *setupController = nullptr;
    SetupModel *setupModel = nullptr;
    CalculateController *calculateController = nullptr;
    CalculateModel *calculateModel = nullptr;
    NetworkController *networkController = nullptr;
    FileController *fileController = nullptr;
    FileModel *fileModel = nullptr;
    SqliteService *sqliteService = nullptr;

private:
    GlobalManager();
    static void releaseBeforeApplicationEnds();
    void createObjects();
    void connectObjects();
    void releaseObjects();
};

#endif
