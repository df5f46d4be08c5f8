#include "shareFileView.h"

#include "Codes.h"
#include "CustomPlot.h"
#include "FileController.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "KeyedNotice.h"
#include "Language.h"
#include "NetworkController.h"
#include "configListWidget.h"
#include "paraListWidget.h"
#include "sharedDataControlView.h"
#include "sharedFilePrintWidget.h"

#include <QDebug>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
constexpr double kMicrometresToMicroinches = 39.3700787402;
constexpr double kMillimetresPerInch = 25.4;
constexpr int kPanelHeight = 380;
constexpr int kAllValuesList = 4;
constexpr int kFirstShownValue = 1;
constexpr int kLastValue = 25;
constexpr int kFirstWordValue = 24;
const QString micrometre = QStringLiteral("μm");
const QString millimetre = QStringLiteral("mm");
} // namespace

int indexOfName(const QString &name, const QStringList &list)
{
    const int index = list.indexOf(name);
    return index < 0 ? list.size() : index;
}

namespace {
// The instrument keeps the last two values as signed 16-bit numbers.
float recordValue(const DATA_SAVE &source, int k)
{
    if (k >= kFirstWordValue)
        return float(qint16(source.wordValues[k - kFirstWordValue]));
    return source.values[k];
}
} // namespace

shareFileView::shareFileView(QWidget *parent)
    : Widget(parent)
{
}

sharedDataControlView *shareFileView::getRecordListView() const
{
    return recordListView;
}

void shareFileView::setRecordListView(sharedDataControlView *view)
{
    recordListView = view;
}

void shareFileView::setFileChooser(FileChooser *chooser)
{
    fileChooser = chooser ? chooser : &dialogChooser;
}

void shareFileView::initData()
{
    parameterListView = new paraListWidget;
    recordListView = new sharedDataControlView;
    configListView = new configListWidget;
    plot = new CustomPlot;
    plot->xAxis->setTickLabels(false);
    plot->yAxis->setTickLabels(false);
    CustomPlot::setAxisLabel(plot->yAxis, micrometre);

    parameterNameLists.append({"Ra", "Rq", "Rz", "Rt", "Rp", "Rv", "RS", "RSm", "Rsk", "Rku", "Rpc"});
    parameterNameLists.append({"Ra", "Rq", "Rz", "Ry", "Rmax", "RS", "RSm"});
    parameterNameLists.append({"Ra", "Rq", "Rz", "R3z", "Ry", "Rt", "Rp", "Rv", "RS", "RSm"});
    parameterNameLists.append({"Ra", "Rq", "Rz", "Rmax", "Rt", "RS", "RSm", "Rpc"});
    parameterNameLists.append({"measure_len", "Ra",   "Rq",  "Rz", "Rv",  "R3z", "Ryi",  "Ryd", "Rt",
                               "Rp",          "Rm",   "Ry",  "RS", "RSm", "Rmr", "Rku",  "Rsk", "RzJIS",
                               "R3y",         "Rmax", "Rpc", "Rk", "Rpk", "Rvk", "iMr1", "iMr2"});
    valueUnits = QStringList{QString(),  micrometre, micrometre, micrometre, micrometre, micrometre, micrometre,
                             micrometre, micrometre, micrometre, micrometre, micrometre, millimetre, millimetre,
                             micrometre, QString(),  QString(),  micrometre, micrometre, micrometre, QString(),
                             micrometre, micrometre, micrometre, micrometre, micrometre};
}

void shareFileView::initUi()
{
    parameterListView->init();
    recordListView->init();
    configListView->init();
    const int panelHeight = int(kPanelHeight * GlobalConfig::instance()->yScale);
    recordListView->setFixedHeight(panelHeight);
    parameterListView->setFixedHeight(panelHeight);
    configListView->setFixedHeight(panelHeight);

    auto *panels = new QHBoxLayout;
    panels->addWidget(parameterListView, 0);
    panels->addWidget(configListView, 0);
    panels->addWidget(recordListView, 0);

    const int margin = GlobalConfig::instance()->margin;
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(plot);
    layout->addLayout(panels);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin);
}

void shareFileView::initConnect()
{
    NetworkController *network = GlobalManager::instance()->networkController;
    connect(network, &NetworkController::getExecutingMachineData_open, this, &shareFileView::onOpenRecord);
    connect(network, &NetworkController::getExecutingMachineData_print, this, &shareFileView::onPrintRecord);
    connect(network, &NetworkController::getExecutingMachineData_export, this, &shareFileView::onExportRecord);
}

void shareFileView::initStyle()
{
}

void shareFileView::retranslateUi()
{
    if (isRecordShown)
        showRecord();
}

QString shareFileView::valueText(float value, const QString &unit) const
{
    if (GlobalData::instance()->unit != UnitCode::Imperial)
        return QString::number(double(value), 'f', 3) + unit;
    if (unit == micrometre) {
        const float microinches = float(double(value) * kMicrometresToMicroinches);
        return QString::number(double(microinches), 'f', 3) + QStringLiteral(" μ″");
    }
    if (unit == millimetre)
        return QString::number(double(value) / kMillimetresPerInch, 'f', 5) + QStringLiteral(" ″");
    return QString::number(double(value), 'f', 3);
}

shareFileView::Rows shareFileView::parameterRows() const
{
    return parameterRows(record);
}

shareFileView::Rows shareFileView::parameterRows(const DATA_SAVE &source) const
{
    Rows rows;
    const QStringList &allValues = parameterNameLists.at(kAllValuesList);
    for (const QString &name : parameterNameLists.value(source.calculateStandard)) {
        const int k = indexOfName(name, allValues);
        if (k < kFirstShownValue || k > kLastValue)
            continue;
        rows.append({name, valueText(recordValue(source, k), valueUnits.at(k))});
    }
    return rows;
}

void shareFileView::onOpenRecord(DATA_SAVE received)
{
    GlobalData::instance()->executingMachineDataAction = RecordAction::None;
    isRecordShown = true;
    record = received;
    shownRecord = received;
    showRecord();
}

void shareFileView::onPrintRecord(DATA_SAVE received)
{
    GlobalData *data = GlobalData::instance();
    data->executingMachineDataAction = RecordAction::None;
    record = received;
    auto *overlay = new sharedFilePrintWidget(record, parameterRows(), data->mainWidget);
    overlay->show();
    overlay->move((data->mainWindowRect.width() - overlay->width()) / 2,
                  (data->mainWindowRect.height() - overlay->height()) / 2);
}

void shareFileView::onExportRecord(DATA_SAVE received)
{
    GlobalData::instance()->executingMachineDataAction = RecordAction::None;
    record = received;
    QString path = fileChooser->saveFileName(this, "choose new file path", "/", "CSV Files (*.csv)");
    if (path.isEmpty())
        return;
    // The dialog leaves the extension to the operator.
    if (QFileInfo(path).suffix().isEmpty())
        path += ".csv";
    qDebug() << "用户选择了文件：" << path;
    if (GlobalManager::instance()->fileController->exportExecutingMachineData(record, parameterRows(), path))
        showKeyedNotice("savedSuccessfully", NoticeCode::Success);
    else
        showKeyedNotice("saveFailed", NoticeCode::Error);
}

void shareFileView::showRecord()
{
    updateConfigList();
    updateParameterList();
    updatePlot();
}

void shareFileView::updateConfigList()
{
    Language *language = Language::instance();
    const GlobalData *data = GlobalData::instance();
    configListView->setRows({
        {language->text("calculationStandard"), data->instrumentStandardList.value(shownRecord.calculateStandard)},
        {language->text("samplingLength"), data->instrumentSamplingLengthList.value(shownRecord.samplingLength)},
        {language->text("samplingNum"), QString::number(shownRecord.samplingNumber)},
        {language->text("measureRange"), data->instrumentRangeList.value(shownRecord.measureRange)},
        {language->text("filter"), data->instrumentFilterList.value(shownRecord.filter)},
    });
}

void shareFileView::updateParameterList()
{
    parameterListView->setRows(parameterRows(shownRecord));
}

void shareFileView::updatePlot()
{
    plot->clearGraphs();
    plot->addGraph(plot->xAxis, plot->yAxis);
    plot->setGraphData({}, {});
    plot->xAxis->setTickLabels(false);
    plot->yAxis->setTickLabels(false);
    plot->xAxis->setRange(-1.1, 0.1);
    plot->yAxis->setRange(-1.1, 0.1);
    plot->replot(QCustomPlot::rpRefreshHint);
}
