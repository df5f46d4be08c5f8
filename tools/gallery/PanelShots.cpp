#include "CalibrationDialog.h"
#include "DeveloperModelDialog.h"
#include "FileController.h"
#include "FileListWidget.h"
#include "Gallery.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "LabelAndLabel.h"
#include "NetworkController.h"
#include "ParameterListWidget.h"
#include "SaveFileDialog.h"
#include "SetupController.h"
#include "SetupPage.h"
#include "SetupWidget.h"
#include "SqliteService.h"
#include "TouchButton.h"

#include <QTemporaryDir>

namespace {

// The file index of the shots: empty, in a folder of its own.
void useScratchIndex()
{
    static QTemporaryDir folder;
    static SqliteService index(nullptr, folder.filePath("gallery.db"));
    static const bool opened = index.openDatabase();
    if (opened)
        GlobalManager::instance()->fileController->setSqliteService(&index);
}

void prepare()
{
    GlobalConfig *config = GlobalConfig::instance();
    config->initStyle();
    config->xScale = 1.0;
    config->yScale = 1.0;
    GlobalData::instance()->mainWindowRect = QRect(0, 0, 1280, 800);
    GlobalManager::instance()->setupController->setUnit(UnitCode::Metric);
}

void emitLinkState(bool measuring)
{
    NetworkController *link = GlobalManager::instance()->networkController;
    emit link->networkConnectStatusChanged(true);
    emit link->moterConnectStatusChanged(true);
    emit link->moterMoveStatusChanged(measuring);
    emit link->moterMeasureStatusChanged(measuring);
    emit link->recvMeasureResultStatusChanged(false);
    emit link->calibrationStatusChanged(false);
    emit link->currentCalibrationStatusChanged(true);
    emit link->speedIsCalibrationStatusRecved(true);
    emit link->moterMeasureStatusChanged(measuring);
}

SetupWidget *controlPanel(bool measuring)
{
    prepare();
    auto *panel = new SetupWidget;
    panel->init();
    panel->setFixedSize(592, 380);
    emitLinkState(measuring);
    return panel;
}

// A dialog as the panel or the page opens it, taken off its mask for the shot.
template <typename DialogType> QWidget *takeDialog(QWidget *opener)
{
    auto *dialog = opener->findChild<DialogType *>();
    // A dialog that did not open leaves a blank shot, which the check reports.
    if (!dialog)
        return new QWidget;
    dialog->setParent(nullptr);
    return dialog;
}

QWidget *parameterList(int mode, int unit)
{
    prepare();
    GlobalManager::instance()->setupController->setUnit(unit);
    auto *list = new ParameterListWidget;
    list->init();
    list->setMode(mode);
    list->setFixedSize(270, 380);
    return list;
}

void addPanelShots(Gallery &gallery)
{
    gallery.add("measure-control-panel-idle", [] {
        return controlPanel(false);
    });
    gallery.add("measure-control-panel-measuring", [] {
        return controlPanel(true);
    });
    for (int mode : {int(ParameterListWidget::ParameterMode), int(ParameterListWidget::AbbottFirestoneMode)}) {
        for (int unit : {int(UnitCode::Metric), int(UnitCode::Imperial)}) {
            const QString name = QString("measure-parameter-list-%1-%2")
                                     .arg(mode == ParameterListWidget::ParameterMode ? "parameters" : "abbott")
                                     .arg(unit == UnitCode::Metric ? "metric" : "inch");
            gallery.add(name, [mode, unit] {
                return parameterList(mode, unit);
            });
        }
    }
    gallery.add("measure-recent-files", [] {
        prepare();
        QList<MeasureDataFileInfo> files;
        for (int i = 12; i >= 1; --i) {
            MeasureDataFileInfo info;
            info.fileName = QString("250308%1").arg(i);
            files << info;
        }
        GlobalData *data = GlobalData::instance();
        data->setMeasureDataInfoList(files);
        data->currentFileName = "2503089";
        auto *list = new FileListWidget;
        list->init();
        emit data->currentPageChanged(PageIndex::Measure);
        list->setFixedSize(260, 380);
        return list;
    });
    gallery.add("setup-page", [] {
        prepare();
        auto *page = new SetupPage;
        page->init();
        emit GlobalManager::instance()->networkController->serialNumberRecved("SIM0001");
        page->setFixedSize(1190, 755);
        return page;
    });
    gallery.add("measure-dialog-save", [] {
        static SetupWidget *panel = controlPanel(false);
        emitLinkState(false);
        useScratchIndex();
        GlobalData::instance()->calcutateResult.measureDataList = {1.0, 2.0, 3.0};
        emit GlobalData::instance()->measureDataListChanged();
        panel->findChildren<TouchButton *>().at(0)->click();
        return takeDialog<SaveFileDialog>(panel);
    });
    gallery.add("measure-dialog-calibration", [] {
        static SetupWidget *panel = controlPanel(false);
        emitLinkState(false);
        panel->findChildren<TouchButton *>().at(1)->click();
        return takeDialog<CalibrationDialog>(panel);
    });
    gallery.add("setup-dialog-developer", [] {
        static SetupPage *page = [] {
            prepare();
            auto *setupPage = new SetupPage;
            setupPage->init();
            return setupPage;
        }();
        for (int tap = 0; tap < SetupPage::kTapsToOpen; ++tap)
            emit page->findChildren<LabelAndLabel *>().at(2)->clicked();
        QWidget *dialog = takeDialog<DeveloperModelDialog>(page);
        page->setTapResetInterval(SetupPage::kTapResetMs);
        return dialog;
    });
}

}

ORLIMO_GALLERY_SECTION(addPanelShots)
