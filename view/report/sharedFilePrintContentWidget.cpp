#include "sharedFilePrintContentWidget.h"

#include "GlobalData.h"
#include "Language.h"

sharedFilePrintContentWidget::sharedFilePrintContentWidget(DATA_SAVE record,
                                                           const QList<QPair<QString, QString>> &pairs, QWidget *parent)
    : ReportPage(parent)
    , record(record)
    , pairs(pairs)
{
    setReportName(Language::instance()->text("measurementReport"));
}

QList<QStringList> sharedFilePrintContentWidget::informationList() const
{
    Language *language = Language::instance();
    const GlobalData *data = GlobalData::instance();
    const QStringList first{
        language->text("calculationStandard"), data->instrumentStandardList.value(record.calculateStandard),
        language->text("samplingLength"),      data->instrumentSamplingLengthList.value(record.samplingLength),
        language->text("samplingNum"),         QString::number(record.samplingNumber)};
    const QStringList second{language->text("measureRange"), data->instrumentRangeList.value(record.measureRange),
                             language->text("filter"), data->instrumentFilterList.value(record.filter)};
    return {first, second};
}

QList<QPair<QString, QString>> sharedFilePrintContentWidget::parameterPairs() const
{
    return pairs;
}
