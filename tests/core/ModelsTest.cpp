#include "DataManagementModel.h"
#include "GlobalData.h"
#include "Language.h"
#include "SettingsModel.h"
#include "SetupModel.h"

#include <QSignalSpy>
#include <QtTest>

class ModelsTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void optionListsInBothLanguages();
    void fixedListsAndValues();
    void indexOutsideAListGivesNothing();
    void settingSettersAlwaysEmit();
    void settingSettersRefuseIndexesOutsideTheirList();
    void setupSettersAlwaysEmit();
    void fileNamesFollowTheFileList();
};

void ModelsTest::init()
{
    Language::instance()->setLanguage(0);
}

void ModelsTest::optionListsInBothLanguages()
{
    QCOMPARE(SettingsModel::shapeRemovalList(), QString::fromUtf8("自动,全域,前半,后半,中心,两点,花键曲线").split(','));
    QCOMPARE(SettingsModel::cutoffWavelengthCList(),
             QString::fromUtf8("自动,0.025 mm,0.080 mm,0.250 mm,0.800 mm,2.500 mm,8.000 mm").split(','));
    QCOMPARE(SetupModel::unitList(), QString::fromUtf8("公制,英制").split(','));

    Language::instance()->setLanguage(1);
    QCOMPARE(SettingsModel::shapeRemovalList(),
             (QStringList{"Auto", "Global", "First Half", "Latter Half", "Centre", "2 Point", "Spline"}));
    QCOMPARE(SettingsModel::waveFilterList(), (QStringList{"Auto", "Gaussian", "FFT", "PC", "DP", "2RC"}));
    QCOMPARE(SettingsModel::cutoffWavelengthSList(),
             QString::fromUtf8("Auto,0.00 μm,2.50 μm,8.00 μm,25.00 μm").split(','));
    QCOMPARE(SetupModel::unitList(), (QStringList{"Metric System", "Imperial System"}));
    QCOMPARE(SetupModel::languageList(), QString::fromUtf8("中文,English").split(','));
}

void ModelsTest::fixedListsAndValues()
{
    QCOMPARE(SettingsModel::calculateStandardList().size(), 10);
    QCOMPARE(SettingsModel::calculateStandardText(9), QString("GB-14"));
    QCOMPARE(SettingsModel::measureRangeList(), QString::fromUtf8("40 μm,80 μm,160 μm").split(','));
    QCOMPARE(SettingsModel::samplingLengthValue(0), 0.25);
    QCOMPARE(SettingsModel::samplingLengthValue(1), 0.8);
    QCOMPARE(SettingsModel::samplingLengthValue(2), 2.5);
    QCOMPARE(SettingsModel::samplingNumberValue(0), 1);
    QCOMPARE(SettingsModel::samplingNumberValue(4), 5);
}

void ModelsTest::indexOutsideAListGivesNothing()
{
    QVERIFY(SettingsModel::calculateStandardText(10).isEmpty());
    QVERIFY(SettingsModel::shapeRemovalText(-1).isEmpty());
    QVERIFY(SettingsModel::cutoffWavelengthCText(7).isEmpty());
    QCOMPARE(SettingsModel::samplingLengthValue(3), 0.0);
    QCOMPARE(SettingsModel::samplingNumberValue(-1), 0);
}

void ModelsTest::settingSettersAlwaysEmit()
{
    SettingsModel model;
    QSignalSpy standard(&model, &SettingsModel::calculateStandardChanged);
    QSignalSpy length(&model, &SettingsModel::samplingLengthChanged);
    QSignalSpy range(&model, &SettingsModel::measureRangeChanged);
    QSignalSpy settingsChanged(GlobalData::instance(), &GlobalData::settingsDataChanged);

    model.setCalculateStandard(2);
    model.setCalculateStandard(2);
    model.setSamplingLength(1);
    model.setMeasureRange(0);
    model.setMeasureRange(0);

    QCOMPARE(standard.count(), 2);
    QCOMPARE(length.count(), 1);
    QCOMPARE(range.count(), 2);
    QCOMPARE(settingsChanged.count(), 0);
    QCOMPARE(model.calculateStandard(), 2);
    QCOMPARE(model.samplingLength(), 1.0);
    QCOMPARE(GlobalData::instance()->settingsData.measureRange, 0);
}

void ModelsTest::settingSettersRefuseIndexesOutsideTheirList()
{
    SettingsModel model;
    model.setWaveFilter(3);
    QSignalSpy filter(&model, &SettingsModel::waveFilterChanged);
    model.setWaveFilter(6);
    model.setWaveFilter(-1);
    QCOMPARE(filter.count(), 0);
    QCOMPARE(model.waveFilter(), 3);
}

void ModelsTest::setupSettersAlwaysEmit()
{
    SetupModel model;
    QSignalSpy units(GlobalData::instance(), &GlobalData::unitChanged);
    QSignalSpy autoSave(&model, &SetupModel::isAutoSaveChanged);
    model.setUnit(model.unit());
    model.setUnit(1);
    model.setIsAutoSave(model.isAutoSave());
    model.setIsAutoSave(true);
    QCOMPARE(units.count(), 2);
    QCOMPARE(autoSave.count(), 2);
    QCOMPARE(GlobalData::instance()->unit, 1);
    QVERIFY(GlobalData::instance()->isAutoSave);
}

void ModelsTest::fileNamesFollowTheFileList()
{
    DataManagementModel model;
    GlobalData::instance()->setMeasureDataInfoList({});
    QVERIFY(model.measureDataInfoList().isEmpty());
    MeasureDataFileInfo a;
    a.fileName = "2405071";
    MeasureDataFileInfo b;
    b.fileName = "renamed";
    GlobalData::instance()->setMeasureDataInfoList({a, b});
    QCOMPARE(model.measureDataInfoList(), (QStringList{"2405071", "renamed"}));
}

QTEST_MAIN(ModelsTest)
#include "ModelsTest.moc"
