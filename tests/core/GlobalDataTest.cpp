#include "GlobalData.h"
#include "GlobalConfig.h"
#include "Language.h"

#include <QDir>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

class GlobalDataTest : public QObject
{
    Q_OBJECT
private slots:
    void constructionDefaults();
    void evaluationRecordIsAllocatedForTheLongestProfile();
    void pageAndRangeEmitOnlyOnAChange();
    void rangeIsStoredUnordered();
    void wholeRecordSettersAlwaysEmit();
    void settingsFromAFileAreBoundToTheirLists();
    void configPathsAndStyle();
    void anyWidgetServesAsMainWindow();
};

void GlobalDataTest::constructionDefaults()
{
    const GlobalData *data = GlobalData::instance();
    const SettingsData &s = data->settingsData;
    const QList<int> settings{s.calculateStandard, s.shapeRemoval,   s.waveFilter,     s.cutoffWavelengthS,
                              s.cutoffWavelengthC, s.samplingLength, s.samplingNumber, s.measureRange};
    QCOMPARE(settings, (QList<int>{9, 0, 0, 0, 0, 2, 3, 2}));
    QCOMPARE(data->calibrationFactor, static_cast<double>(0.0039028989f));
    QCOMPARE(data->referenceRa, 1.0);
    QCOMPARE(data->unit, 0);
    QVERIFY(!data->isAutoSave);
    QVERIFY(data->mainWindowRect.isNull());
    QVERIFY(!data->mainWidget);
    QCOMPARE(data->aboutInfo.softwareName, Language::instance()->dictionary.value("roughnessTester").at(0));
    QCOMPARE(data->aboutInfo.softwareVersionNumber, QString("1.0.0"));
    QCOMPARE(data->aboutInfo.equipmentModel, QString("roughness tester"));
    QCOMPARE(data->aboutInfo.equipmentSerialNumber, QString("--"));
    QCOMPARE(data->instrumentRangeList.value(0), QString::fromUtf8("20 μm"));
    QCOMPARE(data->instrumentStandardList.value(0), QString("ISO"));
    QCOMPARE(data->instrumentFilterList.value(3), QString("D_P"));
    QCOMPARE(data->instrumentSamplingLengthList.value(2), QString("2.5 mm"));
}

void GlobalDataTest::evaluationRecordIsAllocatedForTheLongestProfile()
{
    const ParaRecord &record = GlobalData::instance()->stPara;
    QCOMPARE(record.Extended, 0);
    QCOMPARE(record.Capacity, 21000);
    QCOMPARE(record.Mode, 1);
    QCOMPARE(record.Cond.Standard, 0);
}

void GlobalDataTest::pageAndRangeEmitOnlyOnAChange()
{
    GlobalData *data = GlobalData::instance();
    QSignalSpy pages(data, &GlobalData::currentPageChanged);
    QSignalSpy ranges(data, &GlobalData::calculateRangeChanged);

    data->setCurrentPage(data->currentPage);
    data->setCurrentPage(3);
    data->setCurrentPage(3);
    QCOMPARE(pages.count(), 1);
    QCOMPARE(pages.at(0).at(0).toInt(), 3);

    data->setCalculateRange(10, 20);
    data->setCalculateRange(10, 20);
    data->setCalculateRange(10, 21);
    QCOMPARE(ranges.count(), 2);
}

void GlobalDataTest::rangeIsStoredUnordered()
{
    GlobalData *data = GlobalData::instance();
    data->setCalculateRange(5, 2);
    QCOMPARE(data->calcutateResult.left, 5);
    QCOMPARE(data->calcutateResult.right, 2);
}

void GlobalDataTest::wholeRecordSettersAlwaysEmit()
{
    GlobalData *data = GlobalData::instance();
    QSignalSpy settings(data, &GlobalData::settingsDataChanged);
    QSignalSpy results(data, &GlobalData::calcutateResultChanged);
    QObject receiver;
    QStringList announcedNames;
    connect(data, &GlobalData::measureDataInfoListChanged, &receiver, [&](const QList<MeasureDataFileInfo> &list) {
        announcedNames.append(list.value(0).fileName);
    });

    data->setSettingsData(data->settingsData);
    data->setSettingsData(data->settingsData);
    QCOMPARE(settings.count(), 2);

    CalculateResult result;
    result.left = 7;
    result.measureDataList = {1.0, 2.0};
    data->setCalculateResult(result);
    data->setCalculateResult(result);
    QCOMPARE(results.count(), 2);
    QCOMPARE(data->calcutateResult.left, 7);
    QCOMPARE(data->calcutateResult.measureDataList.size(), 2);

    MeasureDataFileInfo info;
    info.fileName = "2401011";
    data->setMeasureDataInfoList({info});
    data->setMeasureDataInfoList({info});
    QCOMPARE(announcedNames, (QStringList{"2401011", "2401011"}));
}

void GlobalDataTest::settingsFromAFileAreBoundToTheirLists()
{
    GlobalData *data = GlobalData::instance();
    SettingsData stored;
    stored.calculateStandard = 12;
    stored.shapeRemoval = 6;
    stored.waveFilter = -1;
    stored.cutoffWavelengthC = 6;
    stored.samplingLength = 3;
    stored.samplingNumber = 4;
    stored.measureRange = 99;
    data->setSettingsData(stored);
    const SettingsData &s = data->settingsData;
    const QList<int> settings{s.calculateStandard, s.shapeRemoval,   s.waveFilter,     s.cutoffWavelengthS,
                              s.cutoffWavelengthC, s.samplingLength, s.samplingNumber, s.measureRange};
    QCOMPARE(settings, (QList<int>{0, 6, 0, 0, 6, 0, 4, 0}));
}

void GlobalDataTest::configPathsAndStyle()
{
    GlobalConfig *config = GlobalConfig::instance();
    QCOMPARE(config->fileInfoDir, QDir::currentPath() + "/file/FileInfo");
    QCOMPARE(config->dataStorageDir, QDir::currentPath() + "/file/DataStorage");
    QCOMPARE(config->systemConfigPath, QDir::currentPath() + "/file/FileInfo/SystemConfig.json");
    QCOMPARE(config->fontPixelSize, 0);
    config->initStyle();
    QCOMPARE(config->titleBarHeight, 45);
    QCOMPARE(config->fontPixelSize, 20);
    QCOMPARE(config->titleFontPixelSize, 21);
    QCOMPARE(config->margin, 17);
    QCOMPARE(config->titleBarColor, QString("rgb(119,25,170)"));
    QCOMPARE(config->borderColor, QString("rgb(224,224,224)"));
}

// Views below the main window take the recorded window as their parent,
// without knowing its class.
void GlobalDataTest::anyWidgetServesAsMainWindow()
{
    GlobalData *data = GlobalData::instance();
    QWidget window;
    data->mainWidget = &window;
    QWidget view(data->mainWidget);
    data->mainWidget = nullptr;
    QCOMPARE(view.parentWidget(), &window);
}

QTEST_MAIN(GlobalDataTest)
#include "GlobalDataTest.moc"
