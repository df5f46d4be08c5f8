#include "FileListWidget.h"

#include "CustomLabel.h"
#include "DataManagementModel.h"
#include "FileController.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "KeyedNotice.h"
#include "Language.h"
#include "NetworkController.h"

#include <QLabel>

FileListWidget::FileListWidget(QWidget *parent)
    : Widget(parent)
{
}

void FileListWidget::initData()
{
    rowHeight = int(kRowHeight * GlobalConfig::instance()->yScale);
}

void FileListWidget::initUi()
{
    column = std::make_unique<RowColumn<CustomLabel>>(this, ":/resources/image/measurepage/filelist.png", rowHeight);
}

void FileListWidget::initConnect()
{
    GlobalData *data = GlobalData::instance();
    NetworkController *link = GlobalManager::instance()->networkController;
    connect(data, &GlobalData::measureDataInfoListChanged, this, &FileListWidget::reload);
    connect(link, &NetworkController::moterMeasureStatusChanged, this, [this](bool status) {
        moterMeasureStatus = status;
        applyEnabling();
    });
    connect(link, &NetworkController::recvMeasureResultStatusChanged, this, [this](bool status) {
        recvMeasureResultStatus = status;
        applyEnabling();
    });
    connect(link, &NetworkController::calibrationStatusChanged, this, [this](bool status) {
        calibrationStatus = status;
        applyEnabling();
    });
    connect(data, &GlobalData::currentPageChanged, this, [this](int page) {
        if (page != PageIndex::Measure)
            return;
        currentFileName = GlobalData::instance()->currentFileName;
        reload();
    });
}

void FileListWidget::initStyle()
{
}

void FileListWidget::retranslateUi()
{
    column->panel()->setTitle(Language::instance()->text("measureFileList"));
    reload();
}

void FileListWidget::reload()
{
    setFileNames(GlobalManager::instance()->dataManagementModel->measureDataInfoList());
}

void FileListWidget::setFileNames(QStringList names)
{
    if (names.size() > kMaxRows)
        names = names.mid(0, kMaxRows);
    column->showRows(names.size(), [this] {
        auto *row = new CustomLabel;
        row->setStyle(CustomLabel::RowStyle);
        // A file name is the operator's text, never markup.
        for (QLabel *label : row->findChildren<QLabel *>())
            label->setTextFormat(Qt::PlainText);
        connect(row, &CustomButton::clicked, this, [this, row] {
            onRowClicked(row);
        });
        return row;
    });
    for (int i = 0; i < names.size(); ++i) {
        CustomLabel *row = column->rows().at(i);
        row->setSelected(names.at(i) == currentFileName);
        row->setText(names.at(i));
    }
}

void FileListWidget::onRowClicked(CustomLabel *row)
{
    const QString name = row->text();
    // The shown measurement only takes the name once it is really shown.
    if (!GlobalManager::instance()->fileController->openMeasurementFile(name)) {
        showKeyedNotice("openFailed", NoticeCode::Error);
        reload();
        return;
    }
    currentFileName = name;
    GlobalData::instance()->currentFileName = name;
    for (CustomLabel *each : column->rows())
        each->setSelected(each == row);
}

void FileListWidget::applyEnabling()
{
    if (moterMeasureStatus || recvMeasureResultStatus || calibrationStatus) {
        column->widget()->setEnabled(false);
        for (CustomLabel *row : column->rows())
            row->setSelected(false);
    } else {
        column->widget()->setEnabled(true);
    }
}

void FileListWidget::paintEvent(QPaintEvent *event)
{
    column->fitWidth();
    Widget::paintEvent(event);
}
