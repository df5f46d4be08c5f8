#include "SqliteService.h"
#include "FileTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

MeasureDataFileInfo row(const QString &name, const QString &time, int standard = 0, int filter = 0, int cutoffS = 0,
                        int cutoffC = 0)
{
    MeasureDataFileInfo info;
    info.fileName = name;
    info.measureTime = time;
    info.settingsData.calculateStandard = standard;
    info.settingsData.waveFilter = filter;
    info.settingsData.cutoffWavelengthS = cutoffS;
    info.settingsData.cutoffWavelengthC = cutoffC;
    return info;
}

} // namespace

class SqliteServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshDatabaseIsEmpty();
    void namesRoundTripUnchanged();
    void duplicateInsertKeepsFirstRow();
    void rowsComeNewestFirst();
    void searchMatchesNamesTimesAndSettings();
    void searchTakesWildcardsLiterally_data();
    void searchTakesWildcardsLiterally();
    void deleteRemovesOnlyNamedRows();
    void failedRenameKeepsOldRow();
    void unopenableDatabaseReportsFailure();
    void damagedDatabaseIsKeptAndMadeAnew_data();
    void damagedDatabaseIsKeptAndMadeAnew();

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<SqliteService> service;
};

void SqliteServiceTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    service = std::make_unique<SqliteService>(nullptr, dir->filePath("database.db"));
    QVERIFY(service->openDatabase());
}

void SqliteServiceTest::cleanup()
{
    service.reset();
    dir.reset();
}

void SqliteServiceTest::freshDatabaseIsEmpty()
{
    QVERIFY(QFile::exists(dir->filePath("database.db")));
    QVERIFY(service->selectAllMeasureDataFileInfo().isEmpty());
    QCOMPARE(service->createTableSql.size(), 400);
    // Opening again keeps what is there.
    QVERIFY(service->insertMeasureDataFileInfo(row("a", "2024-01-01 00:00:00")));
    QVERIFY(service->openDatabase());
    QCOMPARE(service->selectAllMeasureDataFileInfo().size(), 1);
}

void SqliteServiceTest::namesRoundTripUnchanged()
{
    const QStringList tricky{"it's", "say \"hi\"", "%1", "%2 %1", "x' or '1'='1", "粗糙度 μm", "a;drop table x"};
    for (int i = 0; i < tricky.size(); ++i)
        QVERIFY2(service->insertMeasureDataFileInfo(
                     row(tricky.at(i), QString("2024-01-01 00:00:%1").arg(i, 2, 10, QChar('0')), i)),
                 qPrintable(tricky.at(i)));

    const QList<MeasureDataFileInfo> rows = service->selectAllMeasureDataFileInfo();
    QStringList expected = tricky;
    std::reverse(expected.begin(), expected.end());
    QCOMPARE(names(rows), expected);
    QCOMPARE(rows.first().settingsData.calculateStandard, tricky.size() - 1);

    // A name built to match every row deletes only itself.
    QVERIFY(service->deleteMeasureDataFileInfo(QString("x' or '1'='1")));
    QCOMPARE(service->selectAllMeasureDataFileInfo().size(), tricky.size() - 1);
    QCOMPARE(names(service->searchMeasureDataFileInfo("'", {}, {}, {}, {})), (QStringList{"it's"}));
}

void SqliteServiceTest::duplicateInsertKeepsFirstRow()
{
    QVERIFY(service->insertMeasureDataFileInfo(row("a", "2024-01-01 00:00:00", 3)));
    QVERIFY(!service->insertMeasureDataFileInfo(row("a", "2024-02-02 00:00:00", 5)));
    const QList<MeasureDataFileInfo> rows = service->selectAllMeasureDataFileInfo();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().measureTime, QString("2024-01-01 00:00:00"));
    QCOMPARE(rows.first().settingsData.calculateStandard, 3);
}

void SqliteServiceTest::rowsComeNewestFirst()
{
    QVERIFY(service->insertMeasureDataFileInfo(row("old", "2024-05-01 10:00:00")));
    QVERIFY(service->insertMeasureDataFileInfo(row("newest", "2024-05-01 10:00:02")));
    QVERIFY(service->insertMeasureDataFileInfo(row("new", "2024-05-01 10:00:01")));
    const QStringList order{"newest", "new", "old"};
    QCOMPARE(names(service->selectAllMeasureDataFileInfo()), order);
    QCOMPARE(names(service->searchMeasureDataFileInfo("", {}, {}, {}, {})), order);
    QCOMPARE(names(service->searchMeasureDataFileInfoByText("new")), (QStringList{"newest", "new"}));
}

void SqliteServiceTest::searchMatchesNamesTimesAndSettings()
{
    QVERIFY(service->insertMeasureDataFileInfo(row("name1", "2024-05-02 00:00:00")));
    QVERIFY(service->insertMeasureDataFileInfo(row("byTime", "2024-05-01 00:00:00")));
    QVERIFY(service->insertMeasureDataFileInfo(row("NAMEX", "2023-05-03 00:00:00")));
    QVERIFY(service->insertMeasureDataFileInfo(row("standard", "2023-05-04 00:00:00", 7)));
    QVERIFY(service->insertMeasureDataFileInfo(row("filter", "2023-05-05 00:00:00", 0, 4)));
    QVERIFY(service->insertMeasureDataFileInfo(row("cutS", "2023-05-06 00:00:00", 0, 0, 3)));
    QVERIFY(service->insertMeasureDataFileInfo(row("cutC", "2023-05-07 00:00:00", 0, 0, 0, 6)));

    QCOMPARE(names(service->searchMeasureDataFileInfo("1", {}, {}, {}, {})), (QStringList{"name1", "byTime"}));
    QCOMPARE(names(service->searchMeasureDataFileInfo("name", {}, {}, {}, {})), (QStringList{"name1", "NAMEX"}));
    QCOMPARE(names(service->searchMeasureDataFileInfo("zz", {7}, {4}, {3}, {6})),
             (QStringList{"cutC", "cutS", "filter", "standard"}));
    QCOMPARE(names(service->searchMeasureDataFileInfo("zz", {}, {}, {}, {6, 5})), (QStringList{"cutC"}));
    QVERIFY(service->searchMeasureDataFileInfo("zz", {1}, {}, {}, {}).isEmpty());
}

void SqliteServiceTest::searchTakesWildcardsLiterally_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found");
    QTest::newRow("quote") << "'"
                           << "it's";
    QTest::newRow("percent") << "%"
                             << "50%";
    QTest::newRow("underscore") << "_"
                                << "a_b";
    QTest::newRow("underscore between letters") << "a_b"
                                                << "a_b";
    QTest::newRow("letters stay case-blind") << "A_B"
                                             << "a_b";
    QTest::newRow("backslash") << "\\"
                               << "back\\slash";
}

void SqliteServiceTest::searchTakesWildcardsLiterally()
{
    QFETCH(QString, text);
    QFETCH(QString, found);
    int second = 0;
    for (const char *name : {"it's", "50%", "a_b", "aXb", "back\\slash", "plain"})
        QVERIFY(service->insertMeasureDataFileInfo(
            row(name, QString("2024-05-01 10:00:%1").arg(second++, 2, 10, QChar('0')))));
    QCOMPARE(names(service->searchMeasureDataFileInfo(text, {}, {}, {}, {})), QStringList{found});
    QCOMPARE(names(service->searchMeasureDataFileInfoByText(text)), QStringList{found});
}

void SqliteServiceTest::deleteRemovesOnlyNamedRows()
{
    for (const char *name : {"a", "b", "c"})
        QVERIFY(service->insertMeasureDataFileInfo(row(name, "2024-01-01 00:00:00")));
    QVERIFY(service->deleteMeasureDataFileInfos({"a", "missing", "c"}));
    QCOMPARE(names(service->selectAllMeasureDataFileInfo()), QStringList{"b"});
    QVERIFY(service->deleteMeasureDataFileInfoList({row("b", "")}));
    QVERIFY(service->selectAllMeasureDataFileInfo().isEmpty());
}

void SqliteServiceTest::failedRenameKeepsOldRow()
{
    QVERIFY(service->insertMeasureDataFileInfo(row("a", "2024-01-01 00:00:00", 1)));
    QVERIFY(service->insertMeasureDataFileInfo(row("b", "2024-01-01 00:00:01", 2)));
    QVERIFY(!service->renameMeasureDataFileInfo("a", row("b", "2024-01-01 00:00:00", 1)));
    QCOMPARE(names(service->selectAllMeasureDataFileInfo()), (QStringList{"b", "a"}));

    QVERIFY(service->renameMeasureDataFileInfo("a", row("c", "2024-01-01 00:00:00", 1)));
    const QList<MeasureDataFileInfo> rows = service->selectAllMeasureDataFileInfo();
    QCOMPARE(names(rows), (QStringList{"b", "c"}));
    QCOMPARE(rows.last().settingsData.calculateStandard, 1);
}

void SqliteServiceTest::unopenableDatabaseReportsFailure()
{
    SqliteService broken(nullptr, dir->filePath("missing/dir/database.db"));
    QVERIFY(!broken.openDatabase());
    QVERIFY(!broken.insertMeasureDataFileInfo(row("a", "")));
    QVERIFY(!broken.deleteMeasureDataFileInfo(QString("a")));
    QVERIFY(broken.selectAllMeasureDataFileInfo().isEmpty());
}

void SqliteServiceTest::damagedDatabaseIsKeptAndMadeAnew_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no database") << QByteArray("not a database, written over by hand\n").repeated(200);
    // A whole index cut short within its first page.
    QTemporaryDir whole;
    SqliteService index(nullptr, whole.filePath("database.db"));
    QVERIFY(index.openDatabase());
    QVERIFY(index.insertMeasureDataFileInfo(row("a", "2024-01-01 00:00:00")));
    QTest::newRow("cut short") << readFile(whole.filePath("database.db")).left(1000);
}

void SqliteServiceTest::damagedDatabaseIsKeptAndMadeAnew()
{
    QFETCH(QByteArray, content);
    const QString path = dir->filePath("database.db");
    writeFile(path, content);
    QVERIFY(service->openDatabase());

    const QStringList kept = QDir(dir->path()).entryList({"database.db.corrupt-*"});
    QCOMPARE(kept.size(), 1);
    QCOMPARE(readFile(dir->filePath(kept.first())), content);
    QVERIFY(service->selectAllMeasureDataFileInfo().isEmpty());
    QVERIFY(service->insertMeasureDataFileInfo(row("b", "2024-01-01 00:00:00")));
    QCOMPARE(names(service->selectAllMeasureDataFileInfo()), QStringList{"b"});
}

QTEST_GUILESS_MAIN(SqliteServiceTest)
#include "SqliteServiceTest.moc"
