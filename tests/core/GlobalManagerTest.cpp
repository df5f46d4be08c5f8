#include "GlobalManager.h"
#include "CalculateController.h"
#include "CalculateModel.h"
#include "DataManagementController.h"
#include "DataManagementModel.h"
#include "FileController.h"
#include "FileModel.h"
#include "GlobalData.h"
#include "Language.h"
#include "MeasureController.h"
#include "MeasureModel.h"
#include "NetworkController.h"
#include "SettingsModel.h"
#include "SetupController.h"
#include "SetupModel.h"
#include "SqliteService.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

using SettingChange = std::function<void(SettingsModel *)>;
Q_DECLARE_METATYPE(SettingChange)

class GlobalManagerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void createsTheGraphOnce();
    void settingChangesEvaluateOrNot_data();
    void settingChangesEvaluateOrNot();
    void rangeChangeEvaluatesOnlyWhenTheRangeMoves();
    void controllersForward();

private:
    QStringList events;
    QObject receiver;
};

void GlobalManagerTest::initTestCase()
{
    CalculateModel *model = GlobalManager::instance()->calculateModel;
    connect(model, &CalculateModel::parameterNameListChanged, &receiver, [this] {
        events << "names";
    });
    connect(model, &CalculateModel::parameterCalculated, &receiver, [this] {
        events << "calculated";
    });
}

void GlobalManagerTest::init()
{
    events.clear();
}

void GlobalManagerTest::createsTheGraphOnce()
{
    GlobalManager *manager = GlobalManager::instance();
    QCOMPARE(GlobalManager::instance(), manager);
    QObjectList expected;
    expected << manager->dataManagementController << manager->dataManagementModel << manager->measureController
             << manager->measureModel << manager->settingsModel << manager->setupController << manager->setupModel
             << manager->calculateController << manager->calculateModel << manager->networkController
             << manager->fileController << manager->fileModel << manager->sqliteService;
    QVERIFY(!expected.contains(nullptr));
    QCOMPARE(manager->children(), expected);
}

void GlobalManagerTest::settingChangesEvaluateOrNot_data()
{
    using Change = SettingChange;
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("expected");
    const QStringList evaluates{"calculated"};
    QTest::newRow("standard") << Change([](SettingsModel *m) {
        m->setCalculateStandard(3);
    }) << QStringList{"names", "calculated"};
    QTest::newRow("same standard") << Change([](SettingsModel *m) {
        m->setCalculateStandard(m->calculateStandard());
    }) << QStringList{"names", "calculated"};
    QTest::newRow("form removal") << Change([](SettingsModel *m) {
        m->setShapeRemoval(2);
    }) << evaluates;
    QTest::newRow("filter") << Change([](SettingsModel *m) {
        m->setWaveFilter(4);
    }) << evaluates;
    QTest::newRow("lambda s") << Change([](SettingsModel *m) {
        m->setCutoffWavelengthS(1);
    }) << evaluates;
    QTest::newRow("lambda c") << Change([](SettingsModel *m) {
        m->setCutoffWavelengthC(5);
    }) << evaluates;
    QTest::newRow("sampling length") << Change([](SettingsModel *m) {
        m->setSamplingLength(0);
    }) << QStringList();
    QTest::newRow("sampling number") << Change([](SettingsModel *m) {
        m->setSamplingNumber(1);
    }) << QStringList();
    QTest::newRow("measure range") << Change([](SettingsModel *m) {
        m->setMeasureRange(1);
    }) << QStringList();
}

void GlobalManagerTest::settingChangesEvaluateOrNot()
{
    using Change = SettingChange;
    QFETCH(Change, change);
    QFETCH(QStringList, expected);
    change(GlobalManager::instance()->settingsModel);
    QCOMPARE(events, expected);
}

void GlobalManagerTest::rangeChangeEvaluatesOnlyWhenTheRangeMoves()
{
    GlobalData *data = GlobalData::instance();
    data->setCalculateRange(0, 99);
    QCOMPARE(events, QStringList{"calculated"});
    data->setCalculateRange(0, 99);
    QCOMPARE(events, QStringList{"calculated"});
}

void GlobalManagerTest::controllersForward()
{
    GlobalManager *manager = GlobalManager::instance();
    GlobalData *data = GlobalData::instance();

    manager->measureController->setSamplingLength(1.9);
    QCOMPARE(data->settingsData.samplingLength, 1);
    manager->measureController->setMeasureRange(2);
    QCOMPARE(data->settingsData.measureRange, 2);

    QSignalSpy units(data, &GlobalData::unitChanged);
    manager->setupController->setUnit(1);
    QCOMPARE(units.count(), 1);
    manager->setupController->setIsAutoSave(true);
    QVERIFY(data->isAutoSave);
    manager->setupController->setLanguage(1);
    QCOMPARE(Language::instance()->language, 1);
    manager->setupController->setLanguage(0);

    manager->calculateController->calculate();
    QCOMPARE(events, QStringList{"calculated"});
}

QTEST_MAIN(GlobalManagerTest)
#include "GlobalManagerTest.moc"
