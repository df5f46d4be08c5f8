#pragma once

#include "KeyedButton.h"
#include "NoticeRecorder.h"
#include "TestWorkspace.h"

#include "AlertDialog.h"
#include "ButtonsWidget.h"
#include "CheckBox.h"
#include "DataManagementPage.h"
#include "FileChooser.h"
#include "FileController.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "LineEdit.h"
#include "MaskWidget.h"
#include "RenameDialog.h"
#include "SettingsModel.h"
#include "SqliteService.h"
#include "TableWidget.h"
#include "TouchButton.h"
#include "UiUtilities.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

inline QStringList names(const QList<MeasureDataFileInfo> &rows)
{
    QStringList list;
    for (const MeasureDataFileInfo &info : rows)
        list << info.fileName;
    return list;
}

// Answers the page's directory question as a test tells it to, and keeps
// what it was asked.
class ScriptedChooser : public FileChooser
{
public:
    explicit ScriptedChooser(QString *answer, QStringList *questions)
        : answer(answer)
        , questions(questions)
    {
    }

    QString existingDirectory(QWidget *, const QString &caption, const QString &directory) override
    {
        *questions << caption + "|" + directory;
        return *answer;
    }

private:
    QString *answer;
    QStringList *questions;
};

// A data-management page over a temporary working directory and a temporary
// file index, as the program has them: JSON files in file/DataStorage and the
// index set into GlobalManager and FileController. The main window is a
// plain widget of the program's size.
class PageFixture
{
public:
    bool setUp()
    {
        if (!workspace.setUp())
            return false;
        loadApplicationFont(GlobalData::instance()->font, applicationFontPath, 20);
        GlobalConfig::instance()->initStyle();
        manager = GlobalManager::instance();
        mainWindow.resize(1280, 800);
        GlobalData::instance()->mainWidget = &mainWindow;
        GlobalData::instance()->mainWindowRect = QRect(0, 0, 1280, 800);
        return true;
    }

    void tearDown()
    {
        workspace.tearDown();
        GlobalData::instance()->mainWidget = nullptr;
        GlobalData::instance()->noticeContainer.release();
    }

    // A fresh page over an empty index and an empty data directory.
    void openPage()
    {
        SqliteService *index = workspace.index.get();
        index->deleteMeasureDataFileInfoList(index->selectAllMeasureDataFileInfo());
        QDir storage(GlobalConfig::instance()->dataStorageDir);
        storage.removeRecursively();
        QDir().mkpath(storage.path());
        chooserAnswer.clear();
        chooserQuestions.clear();
        notices = std::make_unique<NoticeRecorder>();
        page = new DataManagementPage;
        page->setFileChooser(std::make_unique<ScriptedChooser>(&chooserAnswer, &chooserQuestions));
        page->init();
        page->resize(1190, 755);
        page->search("");
    }

    void closePage()
    {
        delete page;
        page = nullptr;
        qDeleteAll(mainWindow.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly));
        notices.reset();
    }

    ButtonsWidget *toolbar() const { return page->findChild<ButtonsWidget *>(); }
    TableWidget *table() const { return page->findChild<TableWidget *>(); }

    void check(int row) const
    {
        QWidget *cell = table()->cellWidget(row, 0);
        QVERIFY(cell);
        cell->findChild<CheckBox *>()->click();
    }

    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = table()->item(row, column);
        return item ? item->text() : QString("<none>");
    }

    QString pageBoxText() const { return toolbar()->findChild<LineEdit *>()->text(); }

    // Presses the confirm button of the one open dialog of type T and waits
    // until dialog and mask are gone.
    template <typename T> void confirmDialog() const
    {
        const auto dialogs = page->findChildren<T *>();
        QCOMPARE(dialogs.size(), 1);
        TouchButton *confirm = keyedButton(dialogs.first(), "confirm");
        if (!confirm)
            QFAIL("no confirm button");
        confirm->click();
        QTRY_COMPARE(page->findChildren<MaskWidget *>().size(), 0);
    }

    // Index rows without files, numbered names, newest first by time.
    void addIndexRows(int count, const QString &prefix = "row")
    {
        QList<MeasureDataFileInfo> rows;
        for (int i = 0; i < count; ++i) {
            MeasureDataFileInfo info;
            info.fileName = QString("%1%2").arg(prefix).arg(i, 2, 10, QChar('0'));
            info.measureTime = QString("2024-01-01 10:%1:00").arg(i, 2, 10, QChar('0'));
            rows << info;
        }
        QVERIFY(workspace.index->insertMeasureDataFileInfos(rows));
    }

    // A stored measurement saved the way the program saves one.
    void saveMeasurement(const QString &name, const QString &time, int standard, int samples = 5)
    {
        GlobalData *data = GlobalData::instance();
        data->settingsData = SettingsData();
        data->settingsData.calculateStandard = standard;
        CalculateResult result;
        for (int i = 0; i < samples; ++i)
            result.measureDataList << 100.0 + i;
        result.roughnessDataList_y = {1.0, 2.0};
        result.right = samples - 1;
        data->calcutateResult = result;
        QVERIFY(manager->fileController->saveMeasurementFile(name, time));
    }

    QString jsonPath(const QString &name) const
    {
        return GlobalConfig::instance()->dataStorageDir + "/" + name + ".json";
    }

    TestWorkspace workspace;
    QTemporaryDir exportDir;
    GlobalManager *manager = nullptr;
    QWidget mainWindow;
    std::unique_ptr<NoticeRecorder> notices;
    DataManagementPage *page = nullptr;
    QString chooserAnswer;
    QStringList chooserQuestions;
};
