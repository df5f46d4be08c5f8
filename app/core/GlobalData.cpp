#include "GlobalData.h"

#include "Language.h"

#include <QCoreApplication>

namespace {
// The longest profile the evaluation record holds.
constexpr int kRecordCapacity = 21000;

void releaseBeforeApplicationEnds()
{
    GlobalData::instance()->noticeContainer.release();
}
}

GlobalData *GlobalData::instance()
{
    static GlobalData data;
    return &data;
}

GlobalData::GlobalData()
{
    aboutInfo.softwareName = Language::instance()->text("roughnessTester");
    aboutInfo.softwareVersionNumber = "1.0.0";
    aboutInfo.equipmentName = "--";
    aboutInfo.equipmentModel = "roughness tester";
    aboutInfo.equipmentSerialNumber = "--";

    settingsData.calculateStandard = 9;
    settingsData.samplingLength = 2;
    settingsData.samplingNumber = 3;
    settingsData.measureRange = 2;

    stPara.Extended = 0;
    stPara.Capacity = kRecordCapacity;
    stPara.Mode = 1;
    kavrix(&stPara);

    instrumentRangeList = QStringList{"20 μm", "40 μm", "80 μm", "160 μm"};
    instrumentStandardList = QStringList{"ISO", "DIN", "JIS", "ANSI"};
    instrumentFilterList = QStringList{"RC", "PC_RC", "GUASS", "D_P"};
    instrumentSamplingLengthList = QStringList{"0.25 mm", "0.8 mm", "2.5 mm"};

    // This object outlives the application object; its notices are widgets
    // and its queue timer needs the event dispatcher, so they go while the
    // application is still being torn down.
    qAddPostRoutine(releaseBeforeApplicationEnds);
}

void GlobalData::setCurrentPage(int page)
{
    if (page == currentPage)
        return;
    currentPage = page;
    emit currentPageChanged(page);
}

void GlobalData::setSettingsData(const SettingsData &data)
{
    settingsData = data.withinRange();
    emit settingsDataChanged();
}

void GlobalData::setCalculateRange(int left, int right)
{
    if (left == calcutateResult.left && right == calcutateResult.right)
        return;
    calcutateResult.left = left;
    calcutateResult.right = right;
    emit calculateRangeChanged();
}

void GlobalData::setMeasureDataInfoList(const QList<MeasureDataFileInfo> &list)
{
    measureDataInfoList = list;
    emit measureDataInfoListChanged(measureDataInfoList);
}

void GlobalData::setCalculateResult(const CalculateResult &result)
{
    calcutateResult = result;
    emit calcutateResultChanged();
}
