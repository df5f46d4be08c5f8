#ifndef GLOBALDATA_H
#define GLOBALDATA_H

#include "AboutInfo.h"
#include "CalculateResult.h"
#include "Codes.h"
#include "Kavrix.h"
#include "MeasureDataFileInfo.h"
#include "ScrollNoticeContainer.h"
#include "SettingsData.h"

#include <QFont>
#include <QList>
#include <QObject>
#include <QRect>
#include <QStringList>

class QWidget;

// The state that pages, controllers, models and the instrument link share.
class GlobalData : public QObject
{
    Q_OBJECT
public:
    static GlobalData *instance();

    void setCurrentPage(int page);
    void setSettingsData(const SettingsData &data);
    void setCalculateRange(int left, int right);
    void setMeasureDataInfoList(const QList<MeasureDataFileInfo> &list);
    void setCalculateResult(const CalculateResult &result);

    QFont font;
    QRect mainWindowRect;
    QString currentFileName;
    int unit = UnitCode::Metric;
    bool isAutoSave = false;
    AboutInfo aboutInfo;
    SettingsData settingsData;
    CalculateResult calcutateResult;
    QList<MeasureDataFileInfo> measureDataInfoList;
    ScrollNoticeContainer noticeContainer;
    ParaRecord stPara{};
    double calibrationFactor = 0.00390289886854589;
    double referenceRa = 1.0;
    int currentPage = PageIndex::Measure;
    int measurePurpose = MeasurePurpose::Measurement;
    // The main window; views below it take it as their parent.
    QWidget *mainWidget = nullptr;
    int executingMachineDataAction = RecordAction::None;
    QStringList instrumentRangeList;
    QStringList instrumentStandardList;
    QStringList instrumentFilterList;
    QStringList instrumentSamplingLengthList;

signals:
    void measureDataInfoListChanged(QList<MeasureDataFileInfo> list);
    void calculateRangeChanged();
    void calcutateResultChanged();
    void settingsDataChanged();
    void currentPageChanged(int page);
    void measureDataListChanged();
    void unitChanged(int unit);

private:
    GlobalData();
};

#endif
