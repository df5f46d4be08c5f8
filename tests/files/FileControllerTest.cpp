#include "FileController.h"
#include "CalculateModel.h"
#include "FileLimit.h"
#include "FileModel.h"
#include "FileTestSupport.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "Language.h"
#include "SqliteService.h"

#include <QDate>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

QString today()
{
    return QDate::currentDate().toString("yyMMdd");
}

} // namespace

class FileControllerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void proposalFollowsTheDayCounter_data();
    void proposalFollowsTheDayCounter();
    void handEditedCounterStaysUsable_data();
    void handEditedCounterStaysUsable();
    void saveWritesFileRowAndCounter();
    void unsafeNamesTouchNothing_data();
    void unsafeNamesTouchNothing();
    void fullDiskSaveChangesNothing();
    void staleCounterNeverOverwrites();
    void manualSaveChecksDiskAndWholeIndex();
    void failedInsertTakesFileBack();
    void autoSaveOffSavesNothing();
    void renameMovesFileAndRow();
    void renameRefusals();
    void failedIndexRenameIsUndone();
    void deleteKeepsRowsOfFilesStillOnDisk();
    void openAppliesFileWithWholeRange();
    void openEvaluatesUnderTheFileSettings();
    void unreadableFileLeavesMeasurement_data();
    void unreadableFileLeavesMeasurement();
    void openShowsOnlyEvaluatedValues();
    void evaluatedMeasurementReopensUnchanged();
    void startMendsIndexAfterCrash();
    void folderOutOfReachKeepsRows();
    void exportsReportFailure();
    void configFactorRule_data();
    void configFactorRule();
    void corruptConfigIsKeptAndDefaulted();
    void configSettingsAreBoundToTheirLists();
    void configRoundTripsThroughState();

private:
    QString dataPath(const QString &name) const { return dataDir + "/" + name + ".json"; }
    QString noticeText(const char *key) const { return Language::instance()->text(key); }
    QStringList shownNotices() const;
    void expectNotice(const char *key);
    void saveAs(const QString &name, const QString &time = "2024-05-01 10:00:00");
    int counterTimes() const { return QSettings("settings.ini", QSettings::IniFormat).value("saveData/times").toInt(); }
    QStringList filesOutsideIndex() const;

    std::unique_ptr<QTemporaryDir> root;
    QString dataDir;
    FileModel *model = nullptr;
    SqliteService *index = nullptr;
    FileController *controller = nullptr;
    std::unique_ptr<QObject> owner;
    std::unique_ptr<QWidget> noticeHost;
};

void FileControllerTest::initTestCase()
{
    // Every path of the program hangs off the working directory taken here.
    root = std::make_unique<QTemporaryDir>();
    QVERIFY(root->isValid());
    QVERIFY(QDir::setCurrent(root->path()));
    QVERIFY(QDir().mkpath("file/DataStorage"));
    QVERIFY(QDir().mkpath("file/FileInfo"));
    dataDir = GlobalConfig::instance()->dataStorageDir;
    QCOMPARE(dataDir, root->path() + "/file/DataStorage");

    owner = std::make_unique<QObject>();
    model = new FileModel(owner.get());
    index = new SqliteService(owner.get(), root->filePath("database.db"));
    controller = new FileController(owner.get());
    controller->setFileModel(model);
    controller->setSqliteService(index);
    QVERIFY(index->openDatabase());
}

void FileControllerTest::init()
{
    QDir(dataDir).removeRecursively();
    QVERIFY(QDir().mkpath(dataDir));
    index->deleteMeasureDataFileInfos(names(index->selectAllMeasureDataFileInfo()));
    QFile::remove("settings.ini");
    GlobalData *data = GlobalData::instance();
    data->measureDataInfoList.clear();
    data->isAutoSave = false;
    data->settingsData = {9, 0, 0, 0, 0, 2, 3, 2};
    data->calcutateResult = CalculateResult();
    data->calcutateResult.measureDataList = {1, 2, 3};

    noticeHost = std::make_unique<QWidget>();
    noticeHost->resize(1280, 800);
    data->noticeContainer.setParentWidget(noticeHost.get());
}

void FileControllerTest::cleanup()
{
    noticeHost.reset();
}

void FileControllerTest::cleanupTestCase()
{
    GlobalData::instance()->noticeContainer.release();
    owner.reset();
}

QStringList FileControllerTest::shownNotices() const
{
    QStringList texts;
    for (const QLabel *label : noticeHost->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

void FileControllerTest::expectNotice(const char *key)
{
    // A key the dictionary lacks would show an empty notice.
    QVERIFY2(Language::instance()->dictionary.contains(key), key);
    QTRY_VERIFY2(shownNotices().contains(noticeText(key)), key);
}

void FileControllerTest::saveAs(const QString &name, const QString &time)
{
    QVERIFY(controller->saveMeasurementFile(name, time));
    expectNotice("savedSuccessfully");
}

QStringList FileControllerTest::filesOutsideIndex() const
{
    QStringList files;
    QDirIterator it(root->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!QFileInfo(path).fileName().startsWith("database.db"))
            files << path;
    }
    files.sort();
    return files;
}

void FileControllerTest::proposalFollowsTheDayCounter_data()
{
    QTest::addColumn<QString>("storedDay");
    QTest::addColumn<int>("storedTimes");
    QTest::addColumn<QString>("proposal");
    QTest::addColumn<int>("timesAfter");

    QTest::newRow("new day starts at 1") << "000101" << 7 << today() + "1" << 0;
    QTest::newRow("same day counts on") << today() << 2 << today() + "3" << 2;
    QTest::newRow("tenth file") << today() << 9 << today() + "10" << 9;
    QTest::newRow("no settings file") << QString() << 0 << today() + "1" << 0;
}

void FileControllerTest::proposalFollowsTheDayCounter()
{
    QFETCH(QString, storedDay);
    QFETCH(int, storedTimes);
    QFETCH(QString, proposal);
    QFETCH(int, timesAfter);
    if (!storedDay.isEmpty()) {
        QSettings counter("settings.ini", QSettings::IniFormat);
        counter.setValue("saveData/date", storedDay);
        counter.setValue("saveData/times", storedTimes);
    }
    QCOMPARE(controller->nextFileName(), proposal);
    QCOMPARE(controller->nextFileName(), proposal);
    QCOMPARE(counterTimes(), timesAfter);
    QCOMPARE(QSettings("settings.ini", QSettings::IniFormat).value("saveData/date").toString(), today());

    saveAs(proposal);
    QCOMPARE(counterTimes(), timesAfter + 1);
}

void FileControllerTest::handEditedCounterStaysUsable_data()
{
    QTest::addColumn<int>("storedTimes");
    QTest::addColumn<QString>("proposal");
    QTest::newRow("negative") << -5 << today() + "1";
    QTest::newRow("end of int") << std::numeric_limits<int>::max() << today() + "2147483648";
}

void FileControllerTest::handEditedCounterStaysUsable()
{
    QFETCH(int, storedTimes);
    QFETCH(QString, proposal);
    QSettings counter("settings.ini", QSettings::IniFormat);
    counter.setValue("saveData/date", today());
    counter.setValue("saveData/times", storedTimes);
    counter.sync();
    QCOMPARE(controller->nextFileName(), proposal);
    saveAs(proposal);
    QCOMPARE(controller->nextFileName(), today() + (storedTimes < 0 ? "2" : "1"));
}

void FileControllerTest::saveWritesFileRowAndCounter()
{
    int published = 0;
    QObject guard;
    connect(GlobalData::instance(), &GlobalData::measureDataInfoListChanged, &guard, [&published] {
        ++published;
    });
    saveAs("typed name", "2024-05-01 10:00:00");
    QCOMPARE(counterTimes(), 1);
    QCOMPARE(published, 1);

    MeasureDataFile file;
    QVERIFY(model->loadMeasurementFile(file, dataPath("typed name")));
    QCOMPARE(file.measureDataInfo.fileName, QString("typed name"));
    QCOMPARE(file.measureDataInfo.settingsData.calculateStandard, 9);
    QCOMPARE(file.calcutateResult.measureDataList, (QList<double>{1, 2, 3}));

    const QList<MeasureDataFileInfo> shown = GlobalData::instance()->measureDataInfoList;
    QCOMPARE(names(shown), QStringList{"typed name"});
    QCOMPARE(shown.first().measureTime, QString("2024-05-01 10:00:00"));
}

void FileControllerTest::unsafeNamesTouchNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << "../victim";
    QTest::newRow("sub directory") << "a/b";
    QTest::newRow("backslash") << "a\\b";
    QTest::newRow("empty") << "";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("dot") << ".";
    QTest::newRow("line feed") << "a\nb";
    QTest::newRow("control") << QString("a") + QChar(0x01);
    QTest::newRow("too long") << QString(300, 'x');
    QTest::newRow("absolute") << root->filePath("victim");
}

void FileControllerTest::unsafeNamesTouchNothing()
{
    QFETCH(QString, name);
    // Something a traversal could reach: file/victim.json next to the data directory.
    writeFile(root->filePath("file/victim.json"), "{}");
    saveAs("safe");
    const QStringList before = filesOutsideIndex();

    QVERIFY(!controller->saveMeasurementFile(name, "2024-05-01 10:00:00"));
    expectNotice("pleaseEnterANewName");
    MeasureDataFileInfo entry = GlobalData::instance()->measureDataInfoList.first();
    QVERIFY(!controller->renameMeasurementFile(entry, name));
    QVERIFY(!controller->deleteMeasurementFiles({name}));
    QVERIFY(!controller->openMeasurementFile(name));
    MeasureDataFile file;
    QVERIFY(!controller->loadMeasurementFile(name, file));

    QCOMPARE(filesOutsideIndex(), before);
    QCOMPARE(names(index->selectAllMeasureDataFileInfo()), QStringList{"safe"});
    QFile::remove(root->filePath("file/victim.json"));
}

void FileControllerTest::fullDiskSaveChangesNothing()
{
    saveAs("first");
    const QByteArray firstBytes = readFile(dataPath("first"));
    const int times = counterTimes();
    const QStringList before = filesOutsideIndex();
    {
        FileLimit fullDisk(64);
        QVERIFY(!controller->saveMeasurementFile("second", "2024-05-01 10:00:01"));
    }
    expectNotice("saveFailed");
    QCOMPARE(counterTimes(), times);
    QCOMPARE(names(index->selectAllMeasureDataFileInfo()), QStringList{"first"});
    QCOMPARE(filesOutsideIndex(), before);
    QCOMPARE(readFile(dataPath("first")), firstBytes);
}

void FileControllerTest::staleCounterNeverOverwrites()
{
    // Measurements 1 to 3 of today exist, one of them only on disk, but the
    // counter was lost.
    saveAs(today() + "1");
    saveAs(today() + "2");
    writeFile(dataPath(today() + "3"), "orphan");
    QSettings("settings.ini", QSettings::IniFormat).setValue("saveData/times", 0);
    const QByteArray firstBytes = readFile(dataPath(today() + "1"));

    GlobalData::instance()->isAutoSave = true;
    GlobalData::instance()->calcutateResult.measureDataList = {9, 9};
    controller->onDataReceiveCompleted();
    expectNotice("savedSuccessfully");

    QVERIFY(QFile::exists(dataPath(today() + "4")));
    QCOMPARE(readFile(dataPath(today() + "1")), firstBytes);
    QCOMPARE(readFile(dataPath(today() + "3")), QByteArray("orphan"));
    QCOMPARE(index->selectAllMeasureDataFileInfo().size(), 3);
}

void FileControllerTest::manualSaveChecksDiskAndWholeIndex()
{
    saveAs("indexed");
    // The list on screen is a search result that does not hold the name.
    GlobalData::instance()->setMeasureDataInfoList({});
    const QByteArray bytes = readFile(dataPath("indexed"));
    QVERIFY(!controller->saveMeasurementFile("indexed", "2024-05-01 11:00:00"));
    expectNotice("duplicateFileName");
    QCOMPARE(readFile(dataPath("indexed")), bytes);

    writeFile(dataPath("on disk"), "keep");
    QVERIFY(!controller->saveMeasurementFile("on disk", "2024-05-01 11:00:00"));
    QCOMPARE(readFile(dataPath("on disk")), QByteArray("keep"));
    QCOMPARE(counterTimes(), 1);
}

void FileControllerTest::failedInsertTakesFileBack()
{
    SqliteService broken(nullptr, root->filePath("no/such/dir/database.db"));
    controller->setSqliteService(&broken);
    const bool saved = controller->saveMeasurementFile("lost", "2024-05-01 10:00:00");
    controller->setSqliteService(index);
    QVERIFY(!saved);
    expectNotice("saveFailed");
    QVERIFY(!QFile::exists(dataPath("lost")));
    QCOMPARE(counterTimes(), 0);
}

void FileControllerTest::autoSaveOffSavesNothing()
{
    controller->onDataReceiveCompleted();
    QVERIFY(QDir(dataDir).isEmpty());
    QVERIFY(index->selectAllMeasureDataFileInfo().isEmpty());
}

void FileControllerTest::renameMovesFileAndRow()
{
    GlobalData::instance()->settingsData.calculateStandard = 4;
    saveAs("old", "2024-05-01 09:00:00");
    const MeasureDataFileInfo entry = GlobalData::instance()->measureDataInfoList.first();

    QVERIFY(controller->renameMeasurementFile(entry, "old"));
    QVERIFY(controller->renameMeasurementFile(entry, "new's \"name\""));
    expectNotice("renameSucceeded");
    QVERIFY(!QFile::exists(dataPath("old")));
    QVERIFY(QFile::exists(dataPath("new's \"name\"")));
    const QList<MeasureDataFileInfo> rows = GlobalData::instance()->measureDataInfoList;
    QCOMPARE(names(rows), QStringList{"new's \"name\""});
    QCOMPARE(rows.first().measureTime, QString("2024-05-01 09:00:00"));
    QCOMPARE(rows.first().settingsData.calculateStandard, 4);
}

void FileControllerTest::renameRefusals()
{
    saveAs("a");
    saveAs("b");
    writeFile(dataPath("disk only"), "keep");
    MeasureDataFileInfo a;
    for (const MeasureDataFileInfo &info : GlobalData::instance()->measureDataInfoList) {
        if (info.fileName == "a")
            a = info;
    }
    QVERIFY(!controller->renameMeasurementFile(a, "b"));
    expectNotice("duplicateFileName");

    // After a search the list on screen lacks "b"; the index still knows it.
    GlobalData::instance()->setMeasureDataInfoList({a});
    QVERIFY(!controller->renameMeasurementFile(a, "b"));

    QVERIFY(!controller->renameMeasurementFile(a, "disk only"));
    expectNotice("theFileIsOccupied.");
    QCOMPARE(readFile(dataPath("disk only")), QByteArray("keep"));
    QVERIFY(QFile::exists(dataPath("a")));
    QCOMPARE(index->selectAllMeasureDataFileInfo().size(), 2);
}

void FileControllerTest::failedIndexRenameIsUndone()
{
    saveAs("kept");
    const MeasureDataFileInfo entry = GlobalData::instance()->measureDataInfoList.first();
    SqliteService broken(nullptr, root->filePath("no/such/dir/database.db"));
    controller->setSqliteService(&broken);
    const bool renamed = controller->renameMeasurementFile(entry, "other");
    controller->setSqliteService(index);
    QVERIFY(!renamed);
    expectNotice("theFileIsOccupied.");
    QVERIFY(QFile::exists(dataPath("kept")));
    QVERIFY(!QFile::exists(dataPath("other")));
    QCOMPARE(names(index->selectAllMeasureDataFileInfo()), QStringList{"kept"});
}

void FileControllerTest::deleteKeepsRowsOfFilesStillOnDisk()
{
    saveAs("gone", "2024-05-01 10:00:00");
    saveAs("stuck", "2024-05-01 10:00:01");
    // A directory in place of the file cannot be removed like one.
    QVERIFY(QFile::remove(dataPath("stuck")));
    QVERIFY(QDir().mkpath(dataPath("stuck") + "/inside"));

    QVERIFY(!controller->deleteMeasurementFiles({"gone", "stuck"}));
    expectNotice("theFileIsOccupied.");
    QVERIFY(!QFile::exists(dataPath("gone")));
    QCOMPARE(names(GlobalData::instance()->measureDataInfoList), QStringList{"stuck"});

    QVERIFY(controller->deleteMeasurementFiles({}));
    expectNotice("deleteSucceeded");
    QCOMPARE(names(index->selectAllMeasureDataFileInfo()), QStringList{"stuck"});
}

void FileControllerTest::openAppliesFileWithWholeRange()
{
    GlobalData *data = GlobalData::instance();
    data->settingsData = {3, 1, 2, 2, 5, 0, 4, 1};
    data->calcutateResult.measureDataList = {5, 6, 7, 8, 9};
    data->calcutateResult.left = 3;
    data->calcutateResult.right = 1;
    saveAs("stored");
    data->settingsData = SettingsData();
    data->calcutateResult = CalculateResult();

    QSignalSpy profile(data, &GlobalData::measureDataListChanged);
    QSignalSpy settings(data, &GlobalData::settingsDataChanged);
    QVERIFY(controller->openMeasurementFile("stored"));
    QCOMPARE(profile.size(), 1);
    QCOMPARE(settings.size(), 1);
    QCOMPARE(data->calcutateResult.measureDataList, (QList<double>{5, 6, 7, 8, 9}));
    QCOMPARE(data->calcutateResult.left, 0);
    QCOMPARE(data->calcutateResult.right, 4);
    QCOMPARE(data->settingsData.cutoffWavelengthC, 5);
    QCOMPARE(data->settingsData.samplingNumber, 4);
}

void FileControllerTest::openEvaluatesUnderTheFileSettings()
{
    GlobalData *data = GlobalData::instance();
    data->settingsData = {0, 1, 2, 2, 5, 0, 4, 1};
    QList<double> samples;
    for (int i = 0; i < 400; ++i)
        samples << 1000.0 * std::sin(i * 0.1);
    data->calcutateResult.measureDataList = samples;
    saveAs("evaluated");
    // The range on show already equals the opened profile's whole range.
    data->settingsData = {9, 0, 0, 0, 0, 2, 3, 2};
    data->calcutateResult.left = 0;
    data->calcutateResult.right = samples.size() - 1;

    CalculateModel calculator;
    QStringList events;
    connect(data, &GlobalData::calculateRangeChanged, &calculator, &CalculateModel::calculate);
    connect(&calculator, &CalculateModel::parameterCalculated, &calculator, [&events] {
        events << "calculated";
    });
    connect(data, &GlobalData::measureDataListChanged, &calculator, [&events] {
        events << "profile";
    });
    QVERIFY(controller->openMeasurementFile("evaluated"));

    QCOMPARE(events, (QStringList{"calculated", "profile"}));
    const EvalCond &cond = data->stPara.Cond;
    QCOMPARE(cond.ShapeOption, 1);
    QCOMPARE(cond.FilterOption, 2);
    QCOMPARE(cond.LcOption, 5);
    QCOMPARE(data->stPara.RawArray.N, samples.size());
}

void FileControllerTest::unreadableFileLeavesMeasurement_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("truncated") << QByteArray("{\"calcutateResult\": {\"measureDataList\": [1,") << true;
    // Numeric texts are read as numbers; these read as no finite number, or
    // are no number at all.
    const QByteArray start(
        "{\"measureDataInfo\": {\"calculateStandard\": 2}, \"calcutateResult\": {\"measureDataList\": [4, ");
    QTest::newRow("not a number") << start + "\"nan\", 6]}}" << true;
    QTest::newRow("infinite") << start + "\"inf\", 6]}}" << true;
    QTest::newRow("minus infinite") << start + "\"-inf\", 6]}}" << true;
    QTest::newRow("text beyond double") << start + "\"1e999\", 6]}}" << true;
    QTest::newRow("text") << start + "\"abc\", 6]}}" << true;
    QTest::newRow("empty text") << start + "\"\", 6]}}" << true;
    QTest::newRow("hexadecimal text") << start + "\"0x10\", 6]}}" << true;
    QTest::newRow("null") << start + "null, 6]}}" << true;
    QTest::newRow("true") << start + "true, 6]}}" << true;
    QTest::newRow("object") << start + "{\"a\": 5}, 6]}}" << true;
    // Qt's JSON parser refuses the whole document.
    QTest::newRow("number beyond double") << start + "1e999, 6]}}" << true;
    // A whole profile evaluated under a setting that names no option.
    const QByteArray profile("}, \"calcutateResult\": {\"measureDataList\": [4, 5, 6]}}");
    QTest::newRow("cut-off as text") << "{\"measureDataInfo\": {\"cutoffWavelengthC\": \"abc\"" + profile << true;
    QTest::newRow("cut-off off its list") << "{\"measureDataInfo\": {\"cutoffWavelengthC\": 99" + profile << true;
    QTest::newRow("filter as null") << "{\"measureDataInfo\": {\"waveFilter\": null" + profile << true;
}

void FileControllerTest::unreadableFileLeavesMeasurement()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    if (exists)
        writeFile(dataPath("bad"), content);
    GlobalData *data = GlobalData::instance();
    QSignalSpy profile(data, &GlobalData::measureDataListChanged);
    QVERIFY(!controller->openMeasurementFile("bad"));
    QCOMPARE(profile.size(), 0);
    QCOMPARE(data->calcutateResult.measureDataList, (QList<double>{1, 2, 3}));
    QCOMPARE(data->settingsData.calculateStandard, 9);
    QCOMPARE(QFile::exists(dataPath("bad")), exists);
}

void FileControllerTest::openShowsOnlyEvaluatedValues()
{
    QJsonArray samples;
    for (int i = 0; i < 400; ++i)
        samples.append(1000.0 * std::sin(i * 0.1));
    const QJsonObject result{{"measureDataList", samples},
                             {"idList", QJsonArray{0, 0, 0}},
                             {"paraNameList", QJsonArray{"Ra", "Rq", "Rz"}},
                             {"value1List", QJsonArray{0.5, 12345, 3}},
                             {"valueAndUnit1List", QJsonArray{"0.500 μm", "12345.000 μm", "3.000 μm"}}};
    const QJsonObject info{{"calculateStandard", 2}, {"shapeRemoval", 1},   {"waveFilter", 1},
                           {"cutoffWavelengthC", 3}, {"samplingLength", 1}, {"samplingNumber", 4}};
    writeFile(dataPath("damaged ids"),
              QJsonDocument(QJsonObject{{"calcutateResult", result}, {"measureDataInfo", info}}).toJson());
    GlobalData *data = GlobalData::instance();
    CalculateModel calculator;
    connect(data, &GlobalData::calculateRangeChanged, &calculator, &CalculateModel::calculate);
    QVERIFY(controller->openMeasurementFile("damaged ids"));

    QVERIFY(data->stPara.Valid);
    const QList<ParameterEntry> &rows = data->calcutateResult.parameters;
    QCOMPARE(rows.size(), 3);
    QVERIFY(rows.at(0).valueAndUnit1 != "--");
    QVERIFY(rows.at(0).valueAndUnit1 != QString::fromUtf8("0.500 μm"));
    for (int i = 1; i < rows.size(); ++i) {
        QCOMPARE(rows.at(i).value1, 0.0);
        QCOMPARE(rows.at(i).valueAndUnit1, QString("--"));
        QCOMPARE(rows.at(i).valueAndUnit2, QString("--"));
    }
}

void FileControllerTest::evaluatedMeasurementReopensUnchanged()
{
    GlobalData *data = GlobalData::instance();
    data->settingsData = {0, 1, 1, 2, 3, 1, 4, 1};
    QList<double> samples;
    for (int i = 0; i < 3000; ++i)
        samples << std::round(800.0 * std::sin(i * 0.05) + 40.0 * std::sin(i * 1.3));
    data->calcutateResult.measureDataList = samples;
    data->calcutateResult.left = 0;
    data->calcutateResult.right = samples.size() - 1;
    CalculateModel calculator;
    calculator.updateParameterNameList();
    calculator.calculate();
    QVERIFY(data->stPara.Valid);
    const CalculateResult evaluated = data->calcutateResult;
    QVERIFY(!evaluated.parameters.isEmpty() && !evaluated.abbottFirestoneDataList_y.isEmpty());
    saveAs("evaluated");

    MeasureDataFile file;
    QVERIFY(controller->loadMeasurementFile("evaluated", file));
    const CalculateResult &read = file.calcutateResult;
    QCOMPARE(read.measureDataList, evaluated.measureDataList);
    QCOMPARE(read.roughnessDataList_y, evaluated.roughnessDataList_y);
    QCOMPARE(read.amplitudeCurveDataList_x, evaluated.amplitudeCurveDataList_x);
    QCOMPARE(read.abbottFirestoneDataList_y, evaluated.abbottFirestoneDataList_y);
    QCOMPARE(read.parameters.size(), evaluated.parameters.size());
    for (int i = 0; i < read.parameters.size(); ++i) {
        QCOMPARE(read.parameters.at(i).id, evaluated.parameters.at(i).id);
        QCOMPARE(read.parameters.at(i).value1, evaluated.parameters.at(i).value1);
        QCOMPARE(read.parameters.at(i).valueAndUnit2, evaluated.parameters.at(i).valueAndUnit2);
    }
    QCOMPARE(read.abbottParameters.size(), evaluated.abbottParameters.size());
    QCOMPARE(read.abbottParameters.last().value2, evaluated.abbottParameters.last().value2);
}

void FileControllerTest::startMendsIndexAfterCrash()
{
    GlobalData *data = GlobalData::instance();
    saveAs("listed", "2024-05-01 10:00:00");
    // Killed between file and row: the file is whole, the row never came.
    data->settingsData = {7, 3, 2, 1, 4, 0, 2, 1};
    saveAs("unlisted", "2024-05-03 09:30:00");
    QVERIFY(index->deleteMeasureDataFileInfo("unlisted"));
    // Killed in a rename between moving the file and moving its row.
    saveAs("before rename", "2024-05-02 08:00:00");
    QVERIFY(QFile::rename(dataPath("before rename"), dataPath("after rename")));
    // Killed in a delete between removing the file and removing its row.
    saveAs("deleted", "2024-05-04 00:00:00");
    QVERIFY(QFile::remove(dataPath("deleted")));

    // Files that are no whole measurement: never listed, never removed.
    saveAs("damaged but listed", "2024-04-30 00:00:00");
    writeFile(dataPath("damaged but listed"), "{");
    const QByteArray whole = readFile(dataPath("listed"));
    writeFile(dataPath("cut off"), whole.left(whole.size() / 2));
    writeFile(dataPath("no number"),
              QByteArray(whole).replace("\"measureDataList\": [\n", "\"measureDataList\": [\"abc\",\n"));
    writeFile(dataPath("empty"), QByteArray());
    writeFile(dataDir + "/listed.json.Ab12Cd", whole.left(10));
    const QStringList filesBefore = QDir(dataDir).entryList(QDir::Files, QDir::Name);

    controller->reconcileIndex();
    const QStringList expected{"unlisted", "after rename", "listed", "damaged but listed"};
    QCOMPARE(names(index->selectAllMeasureDataFileInfo()), expected);
    QCOMPARE(QDir(dataDir).entryList(QDir::Files, QDir::Name), filesBefore);

    // The mended row is the one the save would have made.
    const MeasureDataFileInfo row = index->selectAllMeasureDataFileInfo().first();
    QCOMPARE(row.measureTime, QString("2024-05-03 09:30:00"));
    QCOMPARE((QList<int>{row.settingsData.calculateStandard, row.settingsData.waveFilter,
                         row.settingsData.cutoffWavelengthS, row.settingsData.cutoffWavelengthC}),
             (QList<int>{7, 2, 1, 4}));
    QVERIFY(controller->openMeasurementFile("unlisted"));
    QVERIFY(controller->openMeasurementFile("after rename"));

    // Once mended, a second start changes nothing.
    controller->reconcileIndex();
    QCOMPARE(names(index->selectAllMeasureDataFileInfo()), expected);
}

void FileControllerTest::folderOutOfReachKeepsRows()
{
    saveAs("a");
    saveAs("b");
    QVERIFY(QDir(dataDir).removeRecursively());
    controller->reconcileIndex();
    QCOMPARE(names(index->selectAllMeasureDataFileInfo()).size(), 2);
    QVERIFY(QDir().mkpath(dataDir));
}

void FileControllerTest::exportsReportFailure()
{
    saveAs("m");
    QVERIFY(controller->exportMeasurementFile("m", root->filePath("m.csv")));
    QVERIFY(readFile(root->filePath("m.csv")).startsWith(QTextCodec::codecForName("GBK")->fromUnicode("测量曲线,")));
    QVERIFY(!controller->exportMeasurementFile("missing", root->filePath("x.csv")));
    QVERIFY(!QFile::exists(root->filePath("x.csv")));
    QVERIFY(!controller->exportMeasurementFile("m", root->filePath("no/dir/m.csv")));
    QVERIFY(controller->exportExecutingMachineData(DATA_SAVE{}, {}, root->filePath("r.csv")));
    // The record's codes are decoded with the instrument lists of the shared state.
    QVERIFY(readFile(root->filePath("r.csv"))
                .contains(QTextCodec::codecForName("GBK")->fromUnicode("ISO,0.25 mm,0,20 μm,RC,\n")));
    QFile::remove(root->filePath("m.csv"));
    QFile::remove(root->filePath("r.csv"));
}

void FileControllerTest::configFactorRule_data()
{
    QTest::addColumn<QByteArray>("factor");
    QTest::addColumn<double>("applied");
    QTest::newRow("missing") << QByteArray() << 0.0254189;
    QTest::newRow("zero") << QByteArray(", \"calibrationFactor\": 0") << 0.0254189;
    QTest::newRow("negative") << QByteArray(", \"calibrationFactor\": -0.5") << 0.0254189;
    QTest::newRow("null") << QByteArray(", \"calibrationFactor\": null") << 0.0254189;
    QTest::newRow("huge text") << QByteArray(", \"calibrationFactor\": \"1e999\"") << 0.0254189;
    QTest::newRow("valid") << QByteArray(", \"calibrationFactor\": 0.003") << 0.003;
}

void FileControllerTest::configFactorRule()
{
    QFETCH(QByteArray, factor);
    QFETCH(double, applied);
    const QString path = GlobalConfig::instance()->systemConfigPath;
    writeFile(path, "{\"SystemConfig\": {\"unit\": 1" + factor + "}}");
    controller->loadSystemConfig();
    QCOMPARE(GlobalData::instance()->calibrationFactor, applied);
    QCOMPARE(GlobalData::instance()->unit, 1);
    QFile::remove(path);
}

void FileControllerTest::corruptConfigIsKeptAndDefaulted()
{
    const QString path = GlobalConfig::instance()->systemConfigPath;
    GlobalData *data = GlobalData::instance();
    data->unit = 1;
    data->isAutoSave = true;
    writeFile(path, "{\"SystemConfig\": {\"unit\": 1, \"isAut");
    controller->loadSystemConfig();
    QCOMPARE(data->unit, 0);
    QCOMPARE(data->isAutoSave, false);
    QCOMPARE(data->calibrationFactor, 0.0254189);
    const QStringList copies = QDir(GlobalConfig::instance()->fileInfoDir).entryList({"SystemConfig.json.corrupt*"});
    QCOMPARE(copies.size(), 1);
    for (const QString &copy : copies)
        QFile::remove(GlobalConfig::instance()->fileInfoDir + "/" + copy);
    QFile::remove(path);
}

void FileControllerTest::configSettingsAreBoundToTheirLists()
{
    const QString path = GlobalConfig::instance()->systemConfigPath;
    writeFile(path, R"({"SystemConfig": {"calculateStandard": 42, "shapeRemoval": 6, "waveFilter": -3,
                      "cutoffWavelengthC": 7, "samplingLength": 1, "samplingNumber": 4, "measureRange": 3}})");
    controller->loadSystemConfig();
    const SettingsData &s = GlobalData::instance()->settingsData;
    QCOMPARE((QList<int>{s.calculateStandard, s.shapeRemoval, s.waveFilter, s.cutoffWavelengthS, s.cutoffWavelengthC,
                         s.samplingLength, s.samplingNumber, s.measureRange}),
             (QList<int>{0, 6, 0, 0, 0, 1, 4, 0}));
    QFile::remove(path);
}

void FileControllerTest::configRoundTripsThroughState()
{
    const QString path = GlobalConfig::instance()->systemConfigPath;
    GlobalData *data = GlobalData::instance();
    Language::instance()->language = 1;
    controller->loadSystemConfig();
    QVERIFY(!QFile::exists(path));
    QCOMPARE(Language::instance()->language, 1);
    QCOMPARE(data->settingsData.samplingLength, 0);
    QVERIFY(data->aboutInfo.softwareName.isEmpty());

    data->unit = 1;
    data->isAutoSave = true;
    data->aboutInfo.equipmentSerialNumber = "SN 7";
    data->settingsData = {2, 3, 4, 1, 6, 1, 2, 0};
    data->calibrationFactor = 0.00390289886854589;
    QVERIFY(controller->saveSystemConfig());
    data->unit = 0;
    data->isAutoSave = false;
    data->aboutInfo = AboutInfo();
    data->settingsData = SettingsData();
    Language::instance()->language = 0;

    controller->loadSystemConfig();
    QCOMPARE(Language::instance()->language, 1);
    QCOMPARE(data->unit, 1);
    QCOMPARE(data->isAutoSave, true);
    QCOMPARE(data->aboutInfo.equipmentSerialNumber, QString("SN 7"));
    QCOMPARE(data->settingsData.cutoffWavelengthC, 6);
    QCOMPARE(data->calibrationFactor, 0.00390289886854589);
    Language::instance()->language = 0;
    QFile::remove(path);
}

QTEST_MAIN(FileControllerTest)
#include "FileControllerTest.moc"
