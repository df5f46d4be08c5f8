#include "FileListWidget.h"

#include "CustomLabel.h"
#include "DataManagementModel.h"
#include "FileController.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "KeyedNotice.h"
#include "Language.h"
#include "ListWidget.h"
#include "NetworkController.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

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
    listWidget = new ListWidget;
    listWidget->setStyle(ListWidget::PanelStyle);
    listWidget->setIcon(QPixmap::fromImage(QImage(":/resources/image/measurepage/filelist.png")));
    contentWidget = new QWidget;
    contentLayout = new QVBoxLayout(contentWidget);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(0);
    listWidget->setContentWidget(contentWidget);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(listWidget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
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
    listWidget->setTitle(Language::instance()->text("measureFileList"));
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
    const int count = names.size();
    while (rowList.size() < count) {
        auto *row = new CustomLabel;
        row->setFixedHeight(rowHeight);
        row->setStyle(CustomLabel::RowStyle);
        // A file name is the operator's text, never markup.
        for (QLabel *label : row->findChildren<QLabel *>())
            label->setTextFormat(Qt::PlainText);
        contentLayout->addWidget(row);
        rowList << row;
        connect(row, &CustomButton::clicked, this, [this, row] {
            onRowClicked(row);
        });
    }
    for (int i = 0; i < count; ++i) {
        CustomLabel *row = rowList.at(i);
        row->setSelected(names.at(i) == currentFileName);
        row->setText(names.at(i));
        row->show();
    }
    for (int i = count; i < rowList.size(); ++i)
        rowList.at(i)->hide();
    contentWidget->setFixedHeight(count * rowHeight);
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
    for (CustomLabel *each : qAsConst(rowList))
        each->setSelected(each == row);
}

void FileListWidget::applyEnabling()
{
    if (moterMeasureStatus || recvMeasureResultStatus || calibrationStatus) {
        contentWidget->setEnabled(false);
        for (CustomLabel *row : qAsConst(rowList))
            row->setSelected(false);
    } else {
        contentWidget->setEnabled(true);
    }
}

void FileListWidget::paintEvent(QPaintEvent *event)
{
    contentWidget->setFixedWidth(listWidget->width() - 2 * listWidget->margin());
    Widget::paintEvent(event);
}
