#include "PageFixture.h"

#include "PrintWidget.h"

#include <QFile>
#include <QFileInfo>

class DataManagementPageTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void rowsAreNumberedByListPosition();
    void damagedOptionIndexShowsEmptyCell();
    void actionsWithoutSelection_data();
    void actionsWithoutSelection();
    void singleFileButtonsSurviveARefresh();
    void standardTextsJoinTheSearch_data();
    void standardTextsJoinTheSearch();
    void quotesAndWildcardsAreFoundAlone_data();
    void quotesAndWildcardsAreFoundAlone();
    void twoCheckedRowsAreDeletedAfterOneQuestion();
    void deletingAllOfTheLastPageShowsPageOne();
    void fileThatCannotBeRemovedKeepsItsRow();
    void openShowsTheFileOnTheMeasurePage();
    void openOfAMissingFileChangesNothing();
    void exportReportsItsOutcome_data();
    void exportReportsItsOutcome();
    void printOpensOneOverlay();

private:
    PageFixture fixture;
};

void DataManagementPageTest::initTestCase()
{
    QVERIFY(fixture.setUp());
    QVERIFY(fixture.exportDir.isValid());
}

void DataManagementPageTest::init()
{
    fixture.openPage();
}

void DataManagementPageTest::cleanup()
{
    fixture.closePage();
}

void DataManagementPageTest::cleanupTestCase()
{
    fixture.tearDown();
}

void DataManagementPageTest::rowsAreNumberedByListPosition()
{
    fixture.addIndexRows(23);
    fixture.page->search("");
    QCOMPARE(fixture.table()->rowCount(), 10);
    QCOMPARE(fixture.pageBoxText(), QString("1"));
    emit fixture.toolbar()->jumpButtonClicked(3);
    QCOMPARE(fixture.table()->rowCount(), 3);
    QCOMPARE(fixture.cell(0, 1), QString("21"));
    QCOMPARE(fixture.cell(2, 1), QString("23"));
    // Newest first: the oldest row is the last.
    QCOMPARE(fixture.cell(2, 2), QString("row00"));
    QCOMPARE(fixture.pageBoxText(), QString("3"));
    // A language change keeps the page and its numbers.
    Language::instance()->setLanguage(LanguageCode::English);
    QCOMPARE(fixture.cell(0, 1), QString("21"));
    QCOMPARE(fixture.pageBoxText(), QString("3"));
    Language::instance()->setLanguage(LanguageCode::Chinese);
}

void DataManagementPageTest::damagedOptionIndexShowsEmptyCell()
{
    MeasureDataFileInfo damaged;
    damaged.fileName = "damaged";
    damaged.measureTime = "2024-01-01 10:00:00";
    damaged.settingsData.calculateStandard = 99;
    damaged.settingsData.waveFilter = -1;
    damaged.settingsData.cutoffWavelengthS = 5;
    damaged.settingsData.cutoffWavelengthC = 2;
    GlobalData::instance()->setMeasureDataInfoList({damaged});
    QCOMPARE(fixture.table()->rowCount(), 1);
    QCOMPARE(fixture.cell(0, 2), QString("damaged"));
    QCOMPARE(fixture.cell(0, 4), QString());
    QCOMPARE(fixture.cell(0, 5), QString());
    QCOMPARE(fixture.cell(0, 6), QString());
    QCOMPARE(fixture.cell(0, 7), SettingsModel::cutoffWavelengthCText(2));
    QCOMPARE(fixture.page->rowTexts(-5, 9).size(), 1);
    QCOMPARE(fixture.page->rowTexts(1, 3).size(), 0);
}

void DataManagementPageTest::actionsWithoutSelection_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("notice");
    for (const char *action : {"open", "rename", "print", "export", "delete"})
        QTest::newRow(action) << action << "noFileIsCurrentlySelected";
    QTest::newRow("clear") << "clear"
                           << "thereAreNoFilesToDelete";
}

void DataManagementPageTest::actionsWithoutSelection()
{
    QFETCH(QString, action);
    QFETCH(QString, notice);
    if (action != "clear") {
        fixture.addIndexRows(3);
        fixture.page->search("");
    }
    ButtonsWidget *toolbar = fixture.toolbar();
    const QMap<QString, void (ButtonsWidget::*)()> signalOf{
        {"open", &ButtonsWidget::openButtonClicked},     {"rename", &ButtonsWidget::renameButtonClicked},
        {"print", &ButtonsWidget::printButtonClicked},   {"export", &ButtonsWidget::exportButtonClicked},
        {"delete", &ButtonsWidget::deleteButtonClicked}, {"clear", &ButtonsWidget::clearButtonClicked}};
    emit(toolbar->*signalOf.value(action))();
    QCOMPARE(fixture.notices->count(qPrintable(notice)), 1);
    QCOMPARE(fixture.page->findChildren<MaskWidget *>().size(), 0);
    QCOMPARE(fixture.chooserQuestions.size(), 0);
    QCOMPARE(fixture.mainWindow.findChildren<PrintWidget *>().size(), 0);
    QCOMPARE(GlobalData::instance()->measureDataInfoList.size(), action == "clear" ? 0 : 3);
}

void DataManagementPageTest::singleFileButtonsSurviveARefresh()
{
    fixture.addIndexRows(3);
    fixture.page->search("");
    TouchButton *open = keyedButton(fixture.toolbar(), "open2");
    QVERIFY(open && !open->isEnabled());
    fixture.check(1);
    QVERIFY(open->isEnabled());
    fixture.check(2);
    QVERIFY(!open->isEnabled());
    fixture.check(2);
    QVERIFY(open->isEnabled());
    fixture.page->search("");
    QVERIFY(open->isEnabled());
    open->click();
    QCOMPARE(fixture.notices->count("noFileIsCurrentlySelected"), 1);
}

void DataManagementPageTest::standardTextsJoinTheSearch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("ISO adds ISO-84 and ISO-97") << "ISO" << QStringList{"b97", "a84"};
    QTest::newRow("iso adds no standard") << "iso" << QStringList{};
    QTest::newRow("JIS-9 adds JIS-94") << "JIS-9" << QStringList{"c94"};
    QTest::newRow("empty text lists everything") << "" << QStringList{"c94", "b97", "a84"};
}

void DataManagementPageTest::standardTextsJoinTheSearch()
{
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    // Filters, λs and λc on values whose texts hold neither ISO nor JIS.
    const QList<std::pair<QString, int>> files{{"a84", 5}, {"b97", 6}, {"c94", 2}};
    QList<MeasureDataFileInfo> rows;
    int minute = 0;
    for (const auto &file : files) {
        MeasureDataFileInfo info;
        info.fileName = file.first;
        info.measureTime = QString("2024-01-01 10:0%1:00").arg(minute++);
        info.settingsData.calculateStandard = file.second;
        info.settingsData.waveFilter = 1;
        info.settingsData.cutoffWavelengthS = 2;
        info.settingsData.cutoffWavelengthC = 3;
        rows << info;
    }
    QVERIFY(fixture.workspace.index->insertMeasureDataFileInfos(rows));
    emit fixture.toolbar()->searchButtonClicked(text);
    QStringList shown;
    for (int r = 0; r < fixture.table()->rowCount(); ++r)
        shown << fixture.cell(r, 2);
    QCOMPARE(shown, found);
}

void DataManagementPageTest::quotesAndWildcardsAreFoundAlone_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found");
    QTest::newRow("quote") << "'"
                           << "a'b";
    QTest::newRow("percent") << "%"
                             << "c%d";
    QTest::newRow("underscore") << "_"
                                << "e_f";
}

void DataManagementPageTest::quotesAndWildcardsAreFoundAlone()
{
    QFETCH(QString, text);
    QFETCH(QString, found);
    QList<MeasureDataFileInfo> rows;
    for (const char *name : {"a'b", "c%d", "e_f", "ab", "cxd", "exf"}) {
        MeasureDataFileInfo info;
        info.fileName = name;
        info.measureTime = "2024-01-01 10:00:00";
        rows << info;
    }
    QVERIFY(fixture.workspace.index->insertMeasureDataFileInfos(rows));
    fixture.page->search(text);
    QCOMPARE(GlobalData::instance()->measureDataInfoList.size(), 1);
    QCOMPARE(fixture.cell(0, 2), found);
}

void DataManagementPageTest::twoCheckedRowsAreDeletedAfterOneQuestion()
{
    fixture.saveMeasurement("first", "2024-01-01 10:00:00", 0);
    fixture.saveMeasurement("second", "2024-01-01 11:00:00", 0);
    fixture.saveMeasurement("third", "2024-01-01 12:00:00", 0);
    fixture.page->search("");
    fixture.check(0);
    fixture.check(2);
    emit fixture.toolbar()->deleteButtonClicked();
    QCOMPARE(fixture.page->findChildren<AlertDialog *>().size(), 1);
    fixture.confirmDialog<AlertDialog>();
    QCOMPARE(names(GlobalData::instance()->measureDataInfoList), QStringList{"second"});
    QVERIFY(!QFile::exists(fixture.jsonPath("third")));
    QVERIFY(!QFile::exists(fixture.jsonPath("first")));
    QVERIFY(QFile::exists(fixture.jsonPath("second")));
    QCOMPARE(fixture.notices->count("deleteSucceeded"), 1);
    QTRY_COMPARE(fixture.page->findChildren<MaskWidget *>().size(), 0);
}

void DataManagementPageTest::deletingAllOfTheLastPageShowsPageOne()
{
    fixture.addIndexRows(23);
    fixture.page->search("");
    emit fixture.toolbar()->jumpButtonClicked(3);
    for (int r = 0; r < 3; ++r)
        fixture.check(r);
    emit fixture.toolbar()->deleteButtonClicked();
    fixture.confirmDialog<AlertDialog>();
    QCOMPARE(GlobalData::instance()->measureDataInfoList.size(), 20);
    QCOMPARE(fixture.pageBoxText(), QString("1"));
    QCOMPARE(fixture.cell(0, 1), QString("1"));
    QCOMPARE(fixture.table()->rowCount(), 10);
}

void DataManagementPageTest::fileThatCannotBeRemovedKeepsItsRow()
{
    fixture.saveMeasurement("stuck", "2024-01-01 10:00:00", 0);
    fixture.saveMeasurement("loose", "2024-01-01 11:00:00", 0);
    // A directory where the file should be cannot be removed as a file, even
    // by root.
    QVERIFY(QFile::remove(fixture.jsonPath("stuck")));
    QVERIFY(QDir().mkpath(fixture.jsonPath("stuck") + "/inside"));
    fixture.page->search("");
    emit fixture.toolbar()->clearButtonClicked();
    fixture.confirmDialog<AlertDialog>();
    QCOMPARE(names(GlobalData::instance()->measureDataInfoList), QStringList{"stuck"});
    QCOMPARE(fixture.table()->rowCount(), 1);
    QVERIFY(!QFile::exists(fixture.jsonPath("loose")));
    QCOMPARE(fixture.notices->count("deleteSucceeded"), 0);
    QCOMPARE(fixture.notices->count("theFileIsOccupied."), 1);
}

void DataManagementPageTest::openShowsTheFileOnTheMeasurePage()
{
    fixture.saveMeasurement("shown", "2024-01-01 10:00:00", 3, 7);
    GlobalData *data = GlobalData::instance();
    data->calcutateResult = CalculateResult();
    data->setCurrentPage(PageIndex::DataManagement);
    fixture.page->search("");
    fixture.check(0);
    QSignalSpy pages(data, &GlobalData::currentPageChanged);
    emit fixture.toolbar()->openButtonClicked();
    QCOMPARE(data->currentFileName, QString("shown"));
    QCOMPARE(data->currentPage, int(PageIndex::Measure));
    QCOMPARE(pages.count(), 1);
    QCOMPARE(data->calcutateResult.measureDataList.size(), 7);
    QCOMPARE(data->settingsData.calculateStandard, 3);
    QCOMPARE(fixture.notices->count("openFailed"), 0);
}

void DataManagementPageTest::openOfAMissingFileChangesNothing()
{
    fixture.addIndexRows(1, "gone");
    fixture.page->search("");
    GlobalData *data = GlobalData::instance();
    data->currentFileName = "previous";
    data->calcutateResult.measureDataList = {1.0, 2.0, 3.0};
    data->setCurrentPage(PageIndex::DataManagement);
    fixture.check(0);
    QSignalSpy pages(data, &GlobalData::currentPageChanged);
    emit fixture.toolbar()->openButtonClicked();
    QCOMPARE(data->currentFileName, QString("previous"));
    QCOMPARE(data->calcutateResult.measureDataList, (QList<double>{1.0, 2.0, 3.0}));
    QCOMPARE(data->currentPage, int(PageIndex::DataManagement));
    QCOMPARE(pages.count(), 0);
    QCOMPARE(fixture.notices->count("openFailed"), 1);
}

void DataManagementPageTest::exportReportsItsOutcome_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("notice");
    QTest::newRow("chosen directory") << "."
                                      << "savedSuccessfully";
    QTest::newRow("directory that does not exist") << "missing"
                                                   << "saveFailed";
    QTest::newRow("cancelled") << ""
                               << "";
}

void DataManagementPageTest::exportReportsItsOutcome()
{
    QFETCH(QString, answer);
    QFETCH(QString, notice);
    fixture.saveMeasurement("curve", "2024-01-01 10:00:00", 0);
    fixture.page->search("");
    fixture.check(0);
    // The answer is a folder below the export directory; empty is a cancel.
    fixture.chooserAnswer = answer.isEmpty() ? QString() : QDir::cleanPath(fixture.exportDir.filePath(answer));
    const int noticesBefore = fixture.notices->count("savedSuccessfully");
    emit fixture.toolbar()->exportButtonClicked();
    QCOMPARE(fixture.chooserQuestions, QStringList{"choose src Directory|/"});
    const QString csv = fixture.chooserAnswer + "/curve.csv";
    QCOMPARE(QFile::exists(csv), notice == "savedSuccessfully");
    QCOMPARE(QDir(fixture.exportDir.path()).entryList(QDir::Files).size(), notice == "savedSuccessfully" ? 1 : 0);
    QCOMPARE(fixture.notices->count("saveFailed"), notice == "saveFailed" ? 1 : 0);
    QCOMPARE(fixture.notices->count("savedSuccessfully") - noticesBefore, notice == "savedSuccessfully" ? 1 : 0);
    QFile::remove(csv);
}

void DataManagementPageTest::printOpensOneOverlay()
{
    fixture.saveMeasurement("printed", "2024-01-01 10:00:00", 0);
    fixture.page->search("");
    fixture.check(0);
    emit fixture.toolbar()->printButtonClicked();
    const auto overlays = fixture.mainWindow.findChildren<PrintWidget *>();
    QCOMPARE(overlays.size(), 1);
    QVERIFY(overlays.first()->isVisibleTo(&fixture.mainWindow));
}

QTEST_MAIN(DataManagementPageTest)
#include "DataManagementPageTest.moc"
