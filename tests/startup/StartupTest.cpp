#include "FileController.h"
#include "FileModel.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "MainWidget.h"
#include "NetworkController.h"
#include "PortList.h"
#include "SqliteService.h"
#include "StartedWindow.h"
#include "StartupManager.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void startInAnEmptyFolder();
    void cleanupTestCase();

private:
    QTemporaryDir root;
    QTemporaryDir ports;
    std::unique_ptr<SqliteService> index;
};

void StartupTest::startInAnEmptyFolder()
{
    QVERIFY(root.isValid() && ports.isValid());
    QVERIFY(QDir::setCurrent(root.path()));
    PortList::setAnnounceFolder(ports.path());

    // An index in place of the one beside the program, left behind by a
    // crash: a row whose file is gone, and a file saved without its row.
    GlobalManager *manager = GlobalManager::instance();
    index = std::make_unique<SqliteService>(nullptr, root.filePath("database.db"));
    QVERIFY(index->openDatabase());
    MeasureDataFileInfo row;
    row.fileName = "2401011";
    row.measureTime = "2024-01-01 10:00:00";
    QVERIFY(index->insertMeasureDataFileInfo(row));
    manager->sqliteService = index.get();
    manager->fileController->setSqliteService(index.get());
    MeasureDataFile saved;
    saved.measureDataInfo.fileName = "2401012";
    saved.measureDataInfo.measureTime = "2024-01-01 11:00:00";
    QVERIFY(QDir().mkpath("file/DataStorage"));
    QVERIFY(FileModel().saveMeasurementFile(saved, root.filePath("file/DataStorage/2401012.json")));

    GlobalData *data = GlobalData::instance();
    QSignalSpy listChanged(data, &GlobalData::measureDataInfoListChanged);
    QVERIFY(data->mainWindowRect.isNull());
    QVERIFY(!data->mainWidget);

    StartupManager startup;
    startup.start();

    QVERIFY(QFileInfo(root.filePath("file/FileInfo")).isDir());
    QVERIFY(QFileInfo(root.filePath("file/DataStorage")).isDir());
    QCOMPARE(data->measureDataInfoList.size(), 1);
    QCOMPARE(data->measureDataInfoList.first().fileName, QString("2401012"));
    QCOMPARE(data->measureDataInfoList.first().measureTime, QString("2024-01-01 11:00:00"));
    QCOMPARE(listChanged.count(), 0);

    QVERIFY(data->mainWidget);
    QVERIFY(data->mainWidget->isVisible());
    QVERIFY(!data->mainWindowRect.isNull());
    QCOMPARE(data->mainWindowRect, data->mainWidget->geometry());
    QCOMPARE(data->mainWindowRect.size(), QSize(1280, 800));
    QCOMPARE(GlobalConfig::instance()->fontPixelSize, 20);
    QCOMPARE(data->font.pixelSize(), 20);

    const CalculateResult &result = data->calcutateResult;
    QVERIFY(result.parameters.size() >= 8 && result.parameters.size() <= 19);
    QCOMPARE(result.abbottParameters.size(), 40);
    for (const QList<ParameterEntry> *list : {&result.parameters, &result.abbottParameters}) {
        for (const ParameterEntry &entry : *list) {
            QVERIFY(!entry.paraName.isEmpty());
            QCOMPARE(entry.valueAndUnit1, QString("--"));
            QCOMPARE(entry.valueAndUnit2, QString("--"));
            QCOMPARE(entry.unit1, QString("--"));
        }
    }
}

void StartupTest::cleanupTestCase()
{
    destroyStartedWindow();
    GlobalManager *manager = GlobalManager::instance();
    manager->fileController->setSqliteService(nullptr);
    manager->sqliteService = nullptr;
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
