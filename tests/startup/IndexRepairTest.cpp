#include "FileModel.h"
#include "ProcessEnd.h"
#include "ProgramCopy.h"
#include "SqliteService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <sys/types.h>

namespace {

constexpr int kTimeoutMs = 60000;
const QString kDataFolder = QStringLiteral("file/DataStorage");

MeasureDataFileInfo row(const QString &name)
{
    MeasureDataFileInfo info;
    info.fileName = name;
    info.measureTime = "2024-05-01 10:00:0" + QString::number(name.size() % 10);
    info.settingsData = {1, 2, 1, 0, 3, 1, 4, 2};
    return info;
}

bool saveWholeFile(const QString &folder, const QString &name)
{
    MeasureDataFile file;
    file.measureDataInfo = row(name);
    file.calcutateResult.measureDataList = {1, 2, 3};
    return FileModel().saveMeasurementFile(file, folder + "/" + name + ".json");
}

QStringList indexedNames(SqliteService &index)
{
    QStringList names;
    for (const MeasureDataFileInfo &info : index.selectAllMeasureDataFileInfo())
        names << info.fileName;
    std::sort(names.begin(), names.end());
    return names;
}

}

// The real program started over an index beside it and a data folder below
// its working folder that no longer agree, then ended by SIGTERM once its
// start-up sequence has run, which ends it through the exit button's path.
class IndexRepairTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startListsExactlyTheWholeFiles_data();
    void startListsExactlyTheWholeFiles();

private:
    ProgramCopy copy;
};

void IndexRepairTest::initTestCase()
{
    QVERIFY(copy.setUp(ORLIMO_PROGRAM));
    std::signal(SIGTERM, SIG_DFL);
}

void IndexRepairTest::startListsExactlyTheWholeFiles_data()
{
    QTest::addColumn<bool>("dataFolder");
    QTest::addColumn<bool>("damagedIndex");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("wholeFiles");
    QTest::addColumn<QStringList>("listed");

    // Moved away, or the program started from another working folder: the
    // files are elsewhere, not gone.
    const QStringList four{"2405011", "2405012", "2405013", "sample A"};
    QTest::newRow("data folder missing") << false << false << four << QStringList() << four;
    // Killed between a file and its row, a file deleted by hand, and a file
    // cut short: only the whole files are listed.
    QTest::newRow("orphan file, row without file, partial file")
        << true << false << QStringList{"2405011", "gone"} << QStringList{"2405011", "orphan"}
        << QStringList{"2405011", "orphan"};
    // An index written over: a new one lists the files again.
    QTest::newRow("index no database") << true << true << QStringList() << QStringList{"2405011", "2405012"}
                                       << QStringList{"2405011", "2405012"};
}

void IndexRepairTest::startListsExactlyTheWholeFiles()
{
    QFETCH(bool, dataFolder);
    QFETCH(bool, damagedIndex);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, wholeFiles);
    QFETCH(QStringList, listed);

    const QDir programFolder = QFileInfo(copy.program).dir();
    const QString databasePath = programFolder.filePath("database.db");
    for (const QString &name : programFolder.entryList({"database.db*"}))
        QVERIFY(QFile::remove(programFolder.filePath(name)));
    SqliteService index(nullptr, databasePath);
    if (damagedIndex) {
        QFile damaged(databasePath);
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write(QByteArray(4096, 'x')) == 4096);
    } else {
        QVERIFY(index.openDatabase());
    }
    for (const QString &name : rows)
        QVERIFY(index.insertMeasureDataFileInfo(row(name)));

    const QString work = copy.root.filePath(QTest::currentDataTag());
    QDir folder(work);
    QVERIFY(folder.mkpath("."));
    if (dataFolder) {
        QVERIFY(folder.mkpath(kDataFolder));
        for (const QString &name : wholeFiles)
            QVERIFY(saveWholeFile(folder.filePath(kDataFolder), name));
        QFile partial(folder.filePath(kDataFolder + "/partial.json"));
        QVERIFY(partial.open(QIODevice::WriteOnly));
        QVERIFY(partial.write("{\n    \"calcutateResult\": {\n        \"abbottFirestoneDataList_x\": [\n") > 0);
        partial.close();
    }

    QProcess running;
    copy.start(running, work);
    QVERIFY(running.waitForStarted(kTimeoutMs));
    // The configuration's folder, which no case makes beforehand, is made at
    // the very start, once the signal handlers are in place; the signal is
    // taken only once the event loop runs, after the index has been mended.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(folder.filePath("file/FileInfo")).isDir(), kTimeoutMs);
    QCOMPARE(::kill(static_cast<pid_t>(running.processId()), SIGTERM), 0);
    QVERIFY(processEnded(running, kTimeoutMs));
    QCOMPARE(running.exitStatus(), QProcess::NormalExit);
    QCOMPARE(running.exitCode(), 0);

    QCOMPARE(indexedNames(index), listed);
    QCOMPARE(programFolder.entryList({"database.db.corrupt-*"}).size(), damagedIndex ? 1 : 0);
    // Nothing of the operator's is removed along the way.
    if (dataFolder)
        QVERIFY(QFile::exists(folder.filePath(kDataFolder + "/partial.json")));
}

QTEST_GUILESS_MAIN(IndexRepairTest)
#include "IndexRepairTest.moc"
