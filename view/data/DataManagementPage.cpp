#include "DataManagementPage.h"

#include "AlertDialog.h"
#include "ButtonsWidget.h"
#include "Codes.h"
#include "CustomTableWidget.h"
#include "FileChooser.h"
#include "FileController.h"
#include "FooterWidget.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "KeyedNotice.h"
#include "Language.h"
#include "OpenDialog.h"
#include "PrintWidget.h"
#include "RenameDialog.h"
#include "SettingsModel.h"
#include "SqliteService.h"

#include <QDebug>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString text(const char *key)
{
    return Language::instance()->text(key);
}

// The indexes of the options whose shown text contains the search text; the
// test is case-sensitive, as the operator sees the options.
QList<int> matchingOptions(const QStringList &options, const QString &searched)
{
    QList<int> indexes;
    for (int i = 0; i < options.size(); ++i) {
        if (options.at(i).indexOf(searched) != -1)
            indexes << i;
    }
    return indexes;
}

}

DataManagementPage::DataManagementPage(QWidget *parent)
    : Widget(parent)
    , fileChooser(std::make_unique<FileChooser>())
{
}

DataManagementPage::~DataManagementPage() = default;

void DataManagementPage::setFileChooser(std::unique_ptr<FileChooser> chooser)
{
    fileChooser = std::move(chooser);
}

void DataManagementPage::search(const QString &text)
{
    const QList<MeasureDataFileInfo> result =
        sqliteService->searchMeasureDataFileInfo(text, matchingOptions(SettingsModel::calculateStandardList(), text),
                                                 matchingOptions(SettingsModel::waveFilterList(), text),
                                                 matchingOptions(SettingsModel::cutoffWavelengthSList(), text),
                                                 matchingOptions(SettingsModel::cutoffWavelengthCList(), text));
    GlobalData::instance()->setMeasureDataInfoList(result);
}

void DataManagementPage::repeatSearch()
{
    search(buttonsWidget->searchText());
}

void DataManagementPage::refreshRows()
{
    footerWidget->setRecordCount(GlobalData::instance()->measureDataInfoList.size());
    const std::pair<int, int> range = footerWidget->currentRange();
    tableWidget->setRows(rowTexts(range.first, range.second));
}

QList<QStringList> DataManagementPage::rowTexts(int first, int last) const
{
    const QList<MeasureDataFileInfo> &list = GlobalData::instance()->measureDataInfoList;
    QList<QStringList> rows;
    for (int k = std::max(first, 0); k < std::min(last, int(list.size())); ++k) {
        const MeasureDataFileInfo &entry = list.at(k);
        const SettingsData &settings = entry.settingsData;
        rows << QStringList{QString("%1").arg(k + 1),
                            entry.fileName,
                            entry.measureTime,
                            SettingsModel::calculateStandardText(settings.calculateStandard),
                            SettingsModel::waveFilterText(settings.waveFilter),
                            SettingsModel::cutoffWavelengthSText(settings.cutoffWavelengthS),
                            SettingsModel::cutoffWavelengthCText(settings.cutoffWavelengthC)};
    }
    return rows;
}

int DataManagementPage::firstListIndex() const
{
    return footerWidget->currentRange().first;
}

bool DataManagementPage::currentFileInfo(MeasureDataFileInfo &out) const
{
    const int row = tableWidget->firstCheckedRow();
    if (row == -1) {
        showKeyedNotice("noFileIsCurrentlySelected", NoticeCode::Error);
        return false;
    }
    const QList<MeasureDataFileInfo> &list = GlobalData::instance()->measureDataInfoList;
    const int index = firstListIndex() + row;
    if (index < 0 || index >= list.size())
        return false;
    out = list.at(index);
    return true;
}

bool DataManagementPage::checkedFileInfos(QList<MeasureDataFileInfo> &out) const
{
    const QList<int> rows = tableWidget->checkedRows();
    if (rows.isEmpty()) {
        showKeyedNotice("noFileIsCurrentlySelected", NoticeCode::Error);
        return false;
    }
    const QList<MeasureDataFileInfo> &list = GlobalData::instance()->measureDataInfoList;
    out.clear();
    for (int row : rows) {
        const int index = firstListIndex() + row;
        if (index < 0 || index >= list.size())
            return false;
        out << list.at(index);
    }
    return true;
}

void DataManagementPage::initData()
{
    sqliteService = GlobalManager::instance()->sqliteService;
    fileController = GlobalManager::instance()->fileController;
}

void DataManagementPage::initUi()
{
    buttonsWidget = new ButtonsWidget;
    tableWidget = new CustomTableWidget;
    footerWidget = new FooterWidget;
    buttonsWidget->init();
    tableWidget->init();
    footerWidget->init();

    const int margin = GlobalConfig::instance()->margin;
    auto *layout = new QVBoxLayout;
    layout->addWidget(buttonsWidget);
    layout->addSpacing(margin);
    layout->addWidget(tableWidget);
    layout->addWidget(footerWidget);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(0);
    setLayout(layout);
}

void DataManagementPage::initConnect()
{
    connect(GlobalData::instance(), &GlobalData::measureDataInfoListChanged, this, &DataManagementPage::refreshRows);
    connect(buttonsWidget, &ButtonsWidget::openButtonClicked, this, &DataManagementPage::openFile);
    connect(buttonsWidget, &ButtonsWidget::renameButtonClicked, this, &DataManagementPage::renameFile);
    connect(buttonsWidget, &ButtonsWidget::printButtonClicked, this, &DataManagementPage::printFile);
    connect(buttonsWidget, &ButtonsWidget::exportButtonClicked, this, &DataManagementPage::exportFile);
    connect(buttonsWidget, &ButtonsWidget::deleteButtonClicked, this, &DataManagementPage::deleteFiles);
    connect(buttonsWidget, &ButtonsWidget::clearButtonClicked, this, &DataManagementPage::clearFiles);
    connect(buttonsWidget, &ButtonsWidget::searchButtonClicked, this, &DataManagementPage::search);
    connect(buttonsWidget, &ButtonsWidget::jumpButtonClicked, footerWidget, &FooterWidget::setCurrentPage);
    connect(footerWidget, &FooterWidget::rangeChanged, this, [this](std::pair<int, int> range) {
        tableWidget->setRows(rowTexts(range.first, range.second));
    });
    connect(footerWidget, &FooterWidget::currentPageChanged, buttonsWidget, &ButtonsWidget::setPageNumber);
    connect(tableWidget, &CustomTableWidget::checkBoxListChanged, this, [this](const QList<int> &rows) {
        buttonsWidget->setSingleFileActionsEnabled(rows.size() == 1);
    });
}

void DataManagementPage::initStyle()
{
}

void DataManagementPage::retranslateUi()
{
    refreshRows();
}

void DataManagementPage::openFile()
{
    MeasureDataFileInfo entry;
    if (!currentFileInfo(entry))
        return;
    GlobalData *data = GlobalData::instance();
    const QString previousName = data->currentFileName;
    data->currentFileName = entry.fileName;
    // A file that cannot be read leaves the previous measurement on show, so
    // it keeps its own name and the operator stays on the list.
    if (!fileController->openMeasurementFile(entry.fileName)) {
        data->currentFileName = previousName;
        showKeyedNotice("openFailed", NoticeCode::Error);
        return;
    }
    data->setCurrentPage(PageIndex::Measure);
}

void DataManagementPage::renameFile()
{
    MeasureDataFileInfo entry;
    if (!currentFileInfo(entry))
        return;
    FileController *controller = fileController;
    openDialog<RenameDialog>(this, [this, controller, entry](RenameDialog *dialog) {
        connect(dialog, &RenameDialog::confirm, this, [controller, entry](const QString &newName) {
            controller->renameMeasurementFile(entry, newName);
        });
        dialog->setTitle(text("rename"));
        dialog->setLabelText(text("pleaseEnterANewName"));
        dialog->setButtonTexts(text("confirm"), text("cancel"));
        dialog->setText(entry.fileName);
    });
}

void DataManagementPage::printFile()
{
    MeasureDataFileInfo entry;
    if (!currentFileInfo(entry))
        return;
    GlobalData *data = GlobalData::instance();
    auto *printWidget = new PrintWidget(entry.fileName, data->mainWidget);
    printWidget->show();
    const QRect rect = data->mainWindowRect;
    printWidget->move((rect.width() - printWidget->width()) / 2, (rect.height() - printWidget->height()) / 2);
}

void DataManagementPage::exportFile()
{
    MeasureDataFileInfo entry;
    if (!currentFileInfo(entry))
        return;
    const QString directory = fileChooser->existingDirectory(this, "choose src Directory", "/");
    if (directory.isEmpty())
        return;
    const QString path = directory + "/" + entry.fileName + ".csv";
    qDebug() << "用户选择了文件：" << path;
    if (fileController->exportMeasurementFile(entry.fileName, path))
        showKeyedNotice("savedSuccessfully", NoticeCode::Success);
    else
        showKeyedNotice("saveFailed", NoticeCode::Error);
}

void DataManagementPage::deleteFiles()
{
    QList<MeasureDataFileInfo> entries;
    if (!checkedFileInfos(entries))
        return;
    QStringList names;
    for (const MeasureDataFileInfo &entry : qAsConst(entries))
        names << entry.fileName;
    confirmDeletion("delete", "confirmToDeleteSelectedFile", names);
}

void DataManagementPage::clearFiles()
{
    const QList<MeasureDataFileInfo> &list = GlobalData::instance()->measureDataInfoList;
    if (list.isEmpty()) {
        showKeyedNotice("thereAreNoFilesToDelete", NoticeCode::Error);
        return;
    }
    QStringList names;
    for (const MeasureDataFileInfo &entry : list)
        names << entry.fileName;
    confirmDeletion("clear", "emptyTheQueriedFiles", names);
}

// The controller reports the outcome itself: success, or the files it could
// not remove, whose rows stay listed.
void DataManagementPage::confirmDeletion(const char *titleKey, const char *textKey, const QStringList &names)
{
    FileController *controller = fileController;
    openDialog<AlertDialog>(this, [this, controller, names, titleKey, textKey](AlertDialog *dialog) {
        connect(dialog, &AlertDialog::confirm, this, [controller, names] {
            controller->deleteMeasurementFiles(names);
        });
        dialog->setTitle(text(titleKey));
        dialog->setText(text(textKey));
        dialog->setButtonTexts(text("confirm"), text("cancel"));
    });
}
