#include "FileModel.h"
#include "Codes.h"
#include "FileLimit.h"
#include "FileTestSupport.h"
#include "GlobalData.h"
#include "VariantLists.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameBits(const QList<double> &a, const QList<double> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (!sameBits(a.at(i), b.at(i)))
            return false;
    }
    return true;
}

ParameterEntry entry(int id, const QString &name, double v1, double v2)
{
    ParameterEntry e;
    e.id = id;
    e.paraName = name;
    e.value1 = v1;
    e.value2 = v2;
    e.unit1 = "μm";
    e.unit2 = "μin";
    e.valueAndUnit1 = QString::number(v1) + " μm";
    e.valueAndUnit2 = QString::number(v2) + " μin";
    return e;
}

MeasureDataFile sampleFile()
{
    MeasureDataFile f;
    f.measureDataInfo.fileName = "样品 \"A\" 2401011";
    f.measureDataInfo.measureTime = "2024-01-01 08:09:10";
    f.measureDataInfo.settingsData = {9, 1, 2, 3, 4, 1, 3, 2};
    CalculateResult &r = f.calcutateResult;
    r.left = 7;
    r.right = 2;
    r.parameters = {entry(0, "Ra", 0.1, 3.9370078740157481), entry(18, "Rz", 1e-300, -2.5e-7)};
    r.abbottParameters = {entry(39, "Rmr(c)", 4.9406564584124654e-324, DBL_MAX)};
    r.measureDataList = {0.1, 0.2, 0.30000000000000004, -123456789.125};
    r.shapeRemovalDataList_y = {1.0 / 3};
    r.wavinessDataList_y = {2.0 / 3, M_PI};
    r.roughnessDataList_y = {M_E};
    r.abbottFirestoneDataList_y = {1e20};
    r.amplitudeCurveDataList_y = {-1e-20};
    r.shapeRemovalDataList_x = {0.5};
    r.wavinessDataList_x = {0.25, 0.75};
    r.roughnessDataList_x = {0.125};
    r.abbottFirestoneDataList_x = {100};
    r.amplitudeCurveDataList_x = {-100};
    return f;
}

bool sameEntries(const QList<ParameterEntry> &a, const QList<ParameterEntry> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        const ParameterEntry &x = a.at(i);
        const ParameterEntry &y = b.at(i);
        if (x.id != y.id || x.paraName != y.paraName || !sameBits(x.value1, y.value1) ||
            !sameBits(x.value2, y.value2) || x.unit1 != y.unit1 || x.unit2 != y.unit2 ||
            x.valueAndUnit1 != y.valueAndUnit1 || x.valueAndUnit2 != y.valueAndUnit2)
            return false;
    }
    return true;
}

bool sameSettings(const SettingsData &a, const SettingsData &b)
{
    return a.calculateStandard == b.calculateStandard && a.shapeRemoval == b.shapeRemoval &&
           a.waveFilter == b.waveFilter && a.cutoffWavelengthS == b.cutoffWavelengthS &&
           a.cutoffWavelengthC == b.cutoffWavelengthC && a.samplingLength == b.samplingLength &&
           a.samplingNumber == b.samplingNumber && a.measureRange == b.measureRange;
}

QString fromGbk(const QByteArray &bytes)
{
    return QTextCodec::codecForName("GBK")->toUnicode(bytes);
}

} // namespace

class FileModelTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();

    void measurementRoundTripsBitForBit();
    void measurementTextFollowsTheLayout();
    void handWrittenFileReads();
    void settingsConversions_data();
    void settingsConversions();
    void listConversions();
    void noNumberIsRefused_data();
    void noNumberIsRefused();
    void everyDamagedMemberIsRefused_data();
    void everyDamagedMemberIsRefused();
    void parametersAreCountedByName();
    void unreadableMeasurementLeavesRecord_data();
    void unreadableMeasurementLeavesRecord();
    void failedWriteKeepsPreviousFile();
    void listFileRoundTrips();

    void configRoundTrips();
    void configConversions();
    void missingConfigKeepsLanguage();
    void corruptConfigIsKept();

    void measurementCsv();
    void measurementCsvRows();
    void measurementCsvOutOfRangeSettings();
    void instrumentCsv();

private:
    QString path(const QString &name) const { return dir->filePath(name); }

    FileModel model;
    std::unique_ptr<QTemporaryDir> dir;
};

void FileModelTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void FileModelTest::cleanupTestCase()
{
    GlobalData::instance()->noticeContainer.release();
}

void FileModelTest::measurementRoundTripsBitForBit()
{
    const MeasureDataFile written = sampleFile();
    QVERIFY(model.saveMeasurementFile(written, path("m.json")));

    MeasureDataFile read;
    QVERIFY(model.loadMeasurementFile(read, path("m.json")));
    QCOMPARE(read.measureDataInfo.fileName, written.measureDataInfo.fileName);
    QCOMPARE(read.measureDataInfo.measureTime, written.measureDataInfo.measureTime);
    QVERIFY(sameSettings(read.measureDataInfo.settingsData, written.measureDataInfo.settingsData));
    const CalculateResult &a = read.calcutateResult;
    const CalculateResult &b = written.calcutateResult;
    QVERIFY(sameEntries(a.parameters, b.parameters));
    QVERIFY(sameEntries(a.abbottParameters, b.abbottParameters));
    QVERIFY(sameBits(a.measureDataList, b.measureDataList));
    QVERIFY(sameBits(a.shapeRemovalDataList_y, b.shapeRemovalDataList_y));
    QVERIFY(sameBits(a.wavinessDataList_y, b.wavinessDataList_y));
    QVERIFY(sameBits(a.roughnessDataList_y, b.roughnessDataList_y));
    QVERIFY(sameBits(a.abbottFirestoneDataList_y, b.abbottFirestoneDataList_y));
    QVERIFY(sameBits(a.amplitudeCurveDataList_y, b.amplitudeCurveDataList_y));
    QVERIFY(sameBits(a.shapeRemovalDataList_x, b.shapeRemovalDataList_x));
    QVERIFY(sameBits(a.wavinessDataList_x, b.wavinessDataList_x));
    QVERIFY(sameBits(a.roughnessDataList_x, b.roughnessDataList_x));
    QVERIFY(sameBits(a.abbottFirestoneDataList_x, b.abbottFirestoneDataList_x));
    QVERIFY(sameBits(a.amplitudeCurveDataList_x, b.amplitudeCurveDataList_x));
    // The range is not stored: an opened profile is evaluated whole.
    QCOMPARE(a.left, 0);
    QCOMPARE(a.right, 3);

    // An empty record survives as well, every array present.
    QVERIFY(model.saveMeasurementFile(MeasureDataFile(), path("empty.json")));
    const QJsonObject result =
        QJsonDocument::fromJson(readFile(path("empty.json"))).object().value("calcutateResult").toObject();
    QCOMPARE(result.size(), 27);
    for (const QString &key : result.keys())
        QVERIFY2(result.value(key).isArray() && result.value(key).toArray().isEmpty(), qPrintable(key));
    MeasureDataFile empty = sampleFile();
    QVERIFY(model.loadMeasurementFile(empty, path("empty.json")));
    QVERIFY(empty.measureDataInfo.fileName.isEmpty());
    QVERIFY(empty.calcutateResult.parameters.isEmpty());
    QVERIFY(empty.calcutateResult.measureDataList.isEmpty());
    QCOMPARE(empty.calcutateResult.right, 0);
}

void FileModelTest::measurementTextFollowsTheLayout()
{
    MeasureDataFile file;
    file.measureDataInfo.fileName = "a";
    file.measureDataInfo.measureTime = "t";
    file.measureDataInfo.settingsData = {1, 2, 3, 4, 5, 6, 7, 8};
    file.calcutateResult.measureDataList = {1.5, 2, qQNaN()};
    // A longer file at the same path must leave nothing behind.
    writeFile(path("m.json"), QByteArray(100000, 'x'));
    QVERIFY(model.saveMeasurementFile(file, path("m.json")));
    const QByteArray text = readFile(path("m.json"));

    QVERIFY(text.startsWith("{\n    \"calcutateResult\": {\n        \"abbottFirestoneDataList_x\": [\n"));
    QVERIFY(text.endsWith("    }\n}\n"));
    QVERIFY(!text.contains("xxxxx"));
    QVERIFY(text.indexOf("\"calcutateResult\"") < text.indexOf("\"measureDataInfo\""));
    QVERIFY(text.contains("\"measureDataList\": [\n            1.5,\n            2,\n            null\n        ],"));
    const QByteArray info = "    \"measureDataInfo\": {\n"
                            "        \"calculateStandard\": 1,\n"
                            "        \"cutoffWavelengthC\": 5,\n"
                            "        \"cutoffWavelengthS\": 4,\n"
                            "        \"fileName\": \"a\",\n"
                            "        \"measureRange\": 8,\n"
                            "        \"measureTime\": \"t\",\n"
                            "        \"samplingLength\": 6,\n"
                            "        \"samplingNumber\": 7,\n"
                            "        \"shapeRemoval\": 2,\n"
                            "        \"waveFilter\": 3\n"
                            "    }\n";
    QVERIFY(text.contains(info));
}

void FileModelTest::handWrittenFileReads()
{
    writeFile(path("golden.json"), R"({
    "calcutateResult": {
        "abbottFirestoneDataList_x": [0, 50, 100],
        "abbottFirestoneDataList_y": [1.25, 0, -1.25],
        "abbottIdList": [0],
        "abbottParaNameList": ["Rk"],
        "abbottUnit1List": ["μm"],
        "abbottUnit2List": ["μin"],
        "abbottValue1List": [0.5],
        "abbottValue2List": [19.685],
        "abbottValueAndUnit1List": ["0.500 μm"],
        "abbottValueAndUnit2List": ["19.685 μin"],
        "amplitudeCurveDataList_x": [],
        "amplitudeCurveDataList_y": [],
        "idList": [0, 2],
        "measureDataList": [10, 20, 30, 40, 50],
        "paraNameList": ["Ra", "Rz"],
        "roughnessDataList_x": [0.001],
        "roughnessDataList_y": [-0.002],
        "shapeRemovalDataList_x": [],
        "shapeRemovalDataList_y": [],
        "unit1List": ["μm", "μm"],
        "unit2List": ["μin", "μin"],
        "value1List": [0.8, 3.2],
        "value2List": [31.5, 126],
        "valueAndUnit1List": ["0.800 μm", "3.200 μm"],
        "valueAndUnit2List": ["31.5 μin", "126 μin"],
        "wavinessDataList_x": [],
        "wavinessDataList_y": []
    },
    "measureDataInfo": {
        "calculateStandard": 9,
        "cutoffWavelengthC": 4,
        "cutoffWavelengthS": 2,
        "fileName": "2405011",
        "measureRange": 2,
        "measureTime": "2024-05-01 10:00:00",
        "samplingLength": 1,
        "samplingNumber": 3,
        "shapeRemoval": 6,
        "waveFilter": 1
    }
}
)");
    MeasureDataFile f;
    QVERIFY(model.loadMeasurementFile(f, path("golden.json")));
    QCOMPARE(f.measureDataInfo.fileName, QString("2405011"));
    QCOMPARE(f.measureDataInfo.measureTime, QString("2024-05-01 10:00:00"));
    QVERIFY(sameSettings(f.measureDataInfo.settingsData, {9, 6, 1, 2, 4, 1, 3, 2}));
    const CalculateResult &r = f.calcutateResult;
    QCOMPARE(r.parameters.size(), 2);
    QCOMPARE(r.parameters.at(1).id, 2);
    QCOMPARE(r.parameters.at(1).paraName, QString("Rz"));
    QCOMPARE(r.parameters.at(1).value2, 126.0);
    QCOMPARE(r.parameters.at(1).valueAndUnit1, QString("3.200 μm"));
    QCOMPARE(r.abbottParameters.size(), 1);
    QCOMPARE(r.abbottParameters.at(0).valueAndUnit2, QString("19.685 μin"));
    QCOMPARE(r.measureDataList, QList<double>({10, 20, 30, 40, 50}));
    QCOMPARE(r.abbottFirestoneDataList_y, QList<double>({1.25, 0, -1.25}));
    QCOMPARE(r.roughnessDataList_x, QList<double>{0.001});
    QCOMPARE(r.left, 0);
    QCOMPARE(r.right, 4);
}

void FileModelTest::settingsConversions_data()
{
    // "whole": every setting present is a whole number naming an option of
    // its list, which a measurement file needs to be opened.
    QTest::addColumn<QByteArray>("members");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QList<int>>("settings");
    QTest::addColumn<bool>("whole");

    QTest::newRow("missing members") << QByteArray() << "" << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << true;
    QTest::newRow("sampling pair off the tables")
        << QByteArray(R"("samplingLength": 7, "samplingNumber": 1)") << "" << QList<int>{0, 0, 0, 0, 0, 2, 4, 0}
        << false;
    QTest::newRow("negative sampling number")
        << QByteArray(R"("samplingLength": 1, "samplingNumber": -1)") << "" << QList<int>{0, 0, 0, 0, 0, 2, 4, 0}
        << false;
    QTest::newRow("valid sampling pair") << QByteArray(R"("samplingLength": 1, "samplingNumber": 3)") << ""
                                         << QList<int>{0, 0, 0, 0, 0, 1, 3, 0} << true;
    QTest::newRow("last option of every list")
        << QByteArray(R"("calculateStandard": 9, "shapeRemoval": 6, "waveFilter": 5, "cutoffWavelengthS": 4,
                         "cutoffWavelengthC": 6, "samplingLength": 2, "samplingNumber": 4, "measureRange": 2)")
        << "" << QList<int>{9, 6, 5, 4, 6, 2, 4, 2} << true;
    QTest::newRow("whole numbers as decimals and texts")
        << QByteArray(R"("calculateStandard": 3.0, "waveFilter": "2", "cutoffWavelengthC": "4.0", "measureRange": "+1")")
        << "" << QList<int>{3, 0, 2, 0, 4, 0, 0, 1} << true;
    QTest::newRow("range cut, indexes rounded")
        << QByteArray(R"("measureRange": 1.9, "waveFilter": 1.6, "shapeRemoval": 2.4)") << ""
        << QList<int>{0, 2, 2, 0, 0, 0, 0, 1} << false;
    QTest::newRow("texts and booleans as numbers")
        << QByteArray(R"("calculateStandard": "3", "cutoffWavelengthS": true, "cutoffWavelengthC": "x")") << ""
        << QList<int>{3, 0, 0, 1, 0, 0, 0, 0} << false;
    QTest::newRow("range beyond int") << QByteArray(R"("measureRange": 1e30)") << ""
                                      << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << false;
    QTest::newRow("range as infinite text")
        << QByteArray(R"("measureRange": "-1e999")") << "" << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << false;
    QTest::newRow("number as name") << QByteArray(R"("fileName": 12)") << "12" << QList<int>{0, 0, 0, 0, 0, 0, 0, 0}
                                    << true;
    QTest::newRow("object as name") << QByteArray(R"("fileName": {"a": 1})") << ""
                                    << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << true;
}

void FileModelTest::settingsConversions()
{
    QFETCH(QByteArray, members);
    QFETCH(QString, fileName);
    QFETCH(QList<int>, settings);
    QFETCH(bool, whole);
    const QJsonObject object = QJsonDocument::fromJson("{" + members + "}").object();
    bool ok = true;
    const MeasureDataFileInfo info = model.jsonToMeasureDataFileInfo(object, &ok);
    const SettingsData &s = info.settingsData;
    QCOMPARE(info.fileName, fileName);
    QCOMPARE((QList<int>{s.calculateStandard, s.shapeRemoval, s.waveFilter, s.cutoffWavelengthS, s.cutoffWavelengthC,
                         s.samplingLength, s.samplingNumber, s.measureRange}),
             settings);
    QCOMPARE(ok, whole);
}

void FileModelTest::listConversions()
{
    // Numbers as written, and numeric texts, read as their values; ids round.
    const QVariant numbers =
        QJsonDocument::fromJson(R"([1.5, "2.5", -0.125, "-1e-3", "+.5", 1.6, 4.9406564584124654e-324])")
            .array()
            .toVariantList();
    bool ok = true;
    QCOMPARE(variantToList<double>(numbers, &ok),
             (QList<double>{1.5, 2.5, -0.125, -1e-3, 0.5, 1.6, 4.9406564584124654e-324}));
    QCOMPARE(variantToList<int>(numbers, &ok), (QList<int>{2, 3, 0, 0, 1, 2, 0}));
    QVERIFY(ok);

    // Texts take what converts and leave the rest empty.
    const QVariant mixed = QJsonDocument::fromJson(R"([1.5, "x", true, null, {}])").array().toVariantList();
    QCOMPARE(variantToList<QString>(mixed, &ok), (QStringList{"1.5", "x", "true", "", ""}));
    QVERIFY(ok);

    QVERIFY(variantToList<double>(QVariant(), &ok).isEmpty());
    QVERIFY(ok);
    QVERIFY(variantToList<QString>(QVariant("not a list"), &ok).isEmpty());
    QVERIFY(!ok);
}

void FileModelTest::noNumberIsRefused_data()
{
    QTest::addColumn<QByteArray>("element");
    for (const char *element : {R"("abc")", R"("")", "null", "true", "false", "{}", "[1]", R"("0x10")", R"(" 1")",
                                R"("1,5")", R"("nan")", R"("-inf")", R"("1e999")"})
        QTest::newRow(element) << QByteArray(element);
    QTest::newRow("beyond int") << QByteArray("3e9");
}

void FileModelTest::noNumberIsRefused()
{
    QFETCH(QByteArray, element);
    const QVariant list = QJsonDocument::fromJson("[4, " + element + ", 6]").array().toVariantList();
    QCOMPARE(list.toList().size(), 3);
    bool ok = true;
    const QList<int> ids = variantToList<int>(list, &ok);
    QVERIFY(!ok);
    QCOMPARE(ids, (QList<int>{4, 0, 6}));
    // A number too large for an id is still a value.
    ok = true;
    QCOMPARE(variantToList<double>(list, &ok).size(), 3);
    QCOMPARE(ok, element == "3e9");
}

void FileModelTest::everyDamagedMemberIsRefused_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("value");
    for (const char *key :
         {"measureDataList", "idList", "value1List", "value2List", "abbottIdList", "abbottValue1List",
          "abbottValue2List", "shapeRemovalDataList_x", "shapeRemovalDataList_y", "wavinessDataList_x",
          "wavinessDataList_y", "roughnessDataList_x", "roughnessDataList_y", "abbottFirestoneDataList_x",
          "abbottFirestoneDataList_y", "amplitudeCurveDataList_x", "amplitudeCurveDataList_y"})
        QTest::newRow(key) << "calcutateResult" << QString(key) << QByteArray(R"([1, "abc"])");
    QTest::newRow("names not a list") << "calcutateResult" << QString("paraNameList") << QByteArray(R"("Ra")");
    QTest::newRow("profile null") << "calcutateResult" << QString("measureDataList") << QByteArray("null");

    // One past the last option of each list.
    const QList<QPair<const char *, int>> lists{{"calculateStandard", 10}, {"shapeRemoval", 7},
                                                {"waveFilter", 6},        {"cutoffWavelengthS", 5},
                                                {"cutoffWavelengthC", 7}, {"samplingLength", 3},
                                                {"samplingNumber", 5},    {"measureRange", 3}};
    for (const auto &list : lists)
        QTest::newRow(list.first) << "measureDataInfo" << QString(list.first) << QByteArray::number(list.second);
    for (const char *value : {R"("abc")", "null", "true", R"("nan")", "{}", "[]", R"("0x10")", "99", R"("1e999")",
                              "1e30", "-1", "2.5", R"("")"})
        QTest::newRow(value) << "measureDataInfo" << QString("cutoffWavelengthC") << QByteArray(value);
}

void FileModelTest::everyDamagedMemberIsRefused()
{
    QFETCH(QString, object);
    QFETCH(QString, key);
    QFETCH(QByteArray, value);
    QVERIFY(model.saveMeasurementFile(sampleFile(), path("m.json")));
    QJsonObject root = QJsonDocument::fromJson(readFile(path("m.json"))).object();
    QJsonObject members = root.value(object).toObject();
    QVERIFY(members.contains(key));
    members.insert(key, QJsonDocument::fromJson("[" + value + "]").array().at(0));
    root.insert(object, members);
    writeFile(path("m.json"), QJsonDocument(root).toJson());

    MeasureDataFile f;
    f.measureDataInfo.fileName = "shown";
    f.measureDataInfo.settingsData.cutoffWavelengthC = 3;
    f.calcutateResult.measureDataList = {7};
    QVERIFY(!model.loadMeasurementFile(f, path("m.json")));
    QCOMPARE(f.measureDataInfo.fileName, QString("shown"));
    QCOMPARE(f.measureDataInfo.settingsData.cutoffWavelengthC, 3);
    QCOMPARE(f.calcutateResult.measureDataList, QList<double>{7});
}

void FileModelTest::parametersAreCountedByName()
{
    const QJsonObject object = QJsonDocument::fromJson(R"({
        "paraNameList": ["Ra", "Rq", "Rz"], "idList": [1, 2], "value1List": [0.5],
        "unit1List": ["μm", "μm", "μm", "μm"],
        "abbottParaNameList": [], "abbottIdList": [1, 2, 3]})")
                                   .object();
    const CalculateResult r = model.jsonToCalculateResult(object);
    QCOMPARE(r.parameters.size(), 3);
    QCOMPARE(r.parameters.at(1).id, 2);
    QCOMPARE(r.parameters.at(2).id, 0);
    QCOMPARE(r.parameters.at(0).value1, 0.5);
    QCOMPARE(r.parameters.at(2).value1, 0.0);
    QCOMPARE(r.parameters.at(2).unit1, QString("μm"));
    QVERIFY(r.parameters.at(2).valueAndUnit2.isEmpty());
    QVERIFY(r.abbottParameters.isEmpty());
}

void FileModelTest::unreadableMeasurementLeavesRecord_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("not json") << QByteArray("{\"measureDataInfo\": {") << true;
    QTest::newRow("array root") << QByteArray("[1, 2]") << true;
    QTest::newRow("result only") << QByteArray(R"({"calcutateResult": {}})") << true;
    QTest::newRow("record not an object") << QByteArray(R"({"calcutateResult": {}, "measureDataInfo": 1})") << true;
}

void FileModelTest::unreadableMeasurementLeavesRecord()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    if (exists)
        writeFile(path("bad.json"), content);
    MeasureDataFile f = sampleFile();
    QVERIFY(!model.loadMeasurementFile(f, path("bad.json")));
    QCOMPARE(f.measureDataInfo.fileName, sampleFile().measureDataInfo.fileName);
    QCOMPARE(f.calcutateResult.measureDataList.size(), 4);
    QCOMPARE(QFile::exists(path("bad.json")), exists);
}

void FileModelTest::failedWriteKeepsPreviousFile()
{
    QVERIFY(model.saveMeasurementFile(MeasureDataFile(), path("m.json")));
    const QByteArray before = readFile(path("m.json"));
    {
        FileLimit fullDisk(64);
        QVERIFY(!model.saveMeasurementFile(sampleFile(), path("m.json")));
        QVERIFY(!model.saveMeasurementFile(sampleFile(), path("new.json")));
        QVERIFY(!model.saveSystemConfig(SystemConfig(), path("config.json")));
        QVERIFY(!model.exportMeasurementData(sampleFile(), UnitCode::Metric, path("m.csv")));
    }
    QCOMPARE(readFile(path("m.json")), before);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"m.json"});
}

void FileModelTest::listFileRoundTrips()
{
    MeasureDataFileInfo a;
    a.fileName = "甲";
    a.measureTime = "2024-01-01 00:00:00";
    a.settingsData = {1, 2, 3, 4, 5, 0, 0, 1};
    MeasureDataFileInfo b;
    b.fileName = "b";
    b.settingsData = {9, 0, 0, 0, 0, 2, 4, 2};
    QVERIFY(model.saveMeasureDataInfoList({a, b}, path("list.json")));
    QList<MeasureDataFileInfo> read;
    QVERIFY(model.loadMeasureDataInfoList(read, path("list.json")));
    QCOMPARE(read.size(), 2);
    QCOMPARE(read.at(0).fileName, QString("甲"));
    QVERIFY(sameSettings(read.at(0).settingsData, a.settingsData));
    QVERIFY(sameSettings(read.at(1).settingsData, b.settingsData));

    writeFile(path("list.json"), R"({"measureDataInfo": []})");
    QVERIFY(model.loadMeasureDataInfoList(read, path("list.json")));
    QVERIFY(read.isEmpty());
}

void FileModelTest::configRoundTrips()
{
    SystemConfig c;
    c.language = 1;
    c.unit = 1;
    c.isAutoSave = true;
    c.aboutInfo = {"粗糙度仪", "1.0.0", "--", "roughness tester", "SN-µ-01"};
    c.settingsData = {9, 0, 0, 0, 0, 2, 3, 2};
    c.calibrationFactor = 0.00390289886854589;
    QVERIFY(model.saveSystemConfig(c, path("SystemConfig.json")));

    const QByteArray text = readFile(path("SystemConfig.json"));
    const QJsonObject root = QJsonDocument::fromJson(text).object();
    QCOMPARE(root.keys(), QStringList{"SystemConfig"});
    const QStringList keys = root.value("SystemConfig").toObject().keys();
    QCOMPARE(keys.size(), 17);
    QCOMPARE(keys.first(), QString("calculateStandard"));
    QCOMPARE(keys.last(), QString("waveFilter"));
    QVERIFY(text.contains("\n        \"isAutoSave\": true,\n"));

    SystemConfig r;
    QVERIFY(model.loadSystemConfig(r, path("SystemConfig.json")));
    QCOMPARE(r.language, 1);
    QCOMPARE(r.unit, 1);
    QCOMPARE(r.isAutoSave, true);
    QCOMPARE(r.aboutInfo.softwareName, c.aboutInfo.softwareName);
    QCOMPARE(r.aboutInfo.equipmentModel, c.aboutInfo.equipmentModel);
    QCOMPARE(r.aboutInfo.equipmentSerialNumber, c.aboutInfo.equipmentSerialNumber);
    QVERIFY(sameSettings(r.settingsData, c.settingsData));
    QVERIFY(sameBits(r.calibrationFactor, c.calibrationFactor));
}

void FileModelTest::configConversions()
{
    writeFile(path("c.json"), R"({"SystemConfig": {
        "language": "1", "unit": 7, "isAutoSave": 1, "samplingLength": 5, "measureRange": 2.7,
        "equipmentName": 42, "calibrationFactor": "0.5", "foo": "bar"}})");
    SystemConfig r;
    QVERIFY(model.loadSystemConfig(r, path("c.json")));
    QCOMPARE(r.language, 1);
    QCOMPARE(r.unit, 1);
    QCOMPARE(r.isAutoSave, true);
    QCOMPARE(r.settingsData.samplingLength, 2);
    QCOMPARE(r.settingsData.samplingNumber, 4);
    QCOMPARE(r.settingsData.measureRange, 2);
    QCOMPARE(r.aboutInfo.equipmentName, QString("42"));
    QCOMPARE(r.calibrationFactor, 0.5);

    writeFile(path("c.json"), R"({"SystemConfig": {"language": -4, "unit": -1, "isAutoSave": 0}})");
    QVERIFY(model.loadSystemConfig(r, path("c.json")));
    QCOMPARE(r.language, 0);
    QCOMPARE(r.unit, 0);
    QCOMPARE(r.isAutoSave, false);
    QCOMPARE(r.settingsData.samplingLength, 0);
    QCOMPARE(r.settingsData.samplingNumber, 0);
    QCOMPARE(r.calibrationFactor, 0.0);
}

void FileModelTest::missingConfigKeepsLanguage()
{
    SystemConfig r;
    r.language = 1;
    r.unit = 1;
    r.aboutInfo.softwareName = "x";
    r.calibrationFactor = 3;
    QVERIFY(model.loadSystemConfig(r, path("SystemConfig.json")));
    QCOMPARE(r.language, 1);
    QCOMPARE(r.unit, 0);
    QVERIFY(r.aboutInfo.softwareName.isEmpty());
    QCOMPARE(r.calibrationFactor, 0.0);
    QVERIFY(!QFile::exists(path("SystemConfig.json")));

    // A stored configuration without a language means Chinese.
    writeFile(path("SystemConfig.json"), R"({"SystemConfig": {"unit": 1}})");
    QVERIFY(model.loadSystemConfig(r, path("SystemConfig.json")));
    QCOMPARE(r.language, 0);
    QCOMPARE(r.unit, 1);
}

void FileModelTest::corruptConfigIsKept()
{
    const QByteArray corrupt = "{\"SystemConfig\": {\"unit\": 1,";
    writeFile(path("SystemConfig.json"), corrupt);
    SystemConfig r;
    r.unit = 1;
    r.language = 1;
    QVERIFY(model.loadSystemConfig(r, path("SystemConfig.json")));
    QCOMPARE(r.unit, 0);
    QCOMPARE(r.language, 1);
    const QStringList copies = QDir(dir->path()).entryList({"SystemConfig.json.corrupt*"}, QDir::Files);
    QCOMPARE(copies.size(), 1);
    QCOMPARE(readFile(path(copies.first())), corrupt);
}

void FileModelTest::measurementCsv()
{
    MeasureDataFile f;
    QVERIFY(model.exportMeasurementData(f, UnitCode::Metric, path("empty.csv")));
    const QString header = "测量曲线,形状去除,波纹度轮廓,粗糙度轮廓,支承率曲线,振幅曲线,"
                           "测量速度,计算标准,形状去除,滤波器,λS,λC,测量范围,测量长度\n";
    const QByteArray bytes = readFile(path("empty.csv"));
    QCOMPARE(bytes, QTextCodec::codecForName("GBK")->fromUnicode(header));
    QVERIFY(!bytes.contains("测量曲线"));

    CalculateResult &r = f.calcutateResult;
    r.measureDataList = {12.5, 0.0001, 1e-5, 1234567, 10};
    r.shapeRemovalDataList_y = {-2, -0.5, 100000};
    r.wavinessDataList_y = {1, 2, 3, 4};
    r.parameters = {entry(0, "Ra", 0.8, 31.5), entry(1, "Rz", 3.2, 126)};
    f.measureDataInfo.settingsData = {9, 6, 0, 2, 4, 1, 4, 2};
    QVERIFY(model.exportMeasurementData(f, UnitCode::Metric, path("m.csv")));
    const QStringList lines = fromGbk(readFile(path("m.csv"))).split('\n');
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines.at(0) + '\n', header);
    // Each settings text stands under the header that names it.
    QCOMPARE(lines.at(1), QString("12.5,-2,1,,,,,GB-14,花键曲线,自动,2.5 μm,0.8 mm,160 μm,4 mm,"));
    QCOMPARE(lines.at(2), QString("0.0001,-0.5,2,,,,"));
    QCOMPARE(lines.at(3), QString("1e-05,100000,3,,,,,Ra,Rz,"));
    QCOMPARE(lines.at(4), QString("1.23457e+06,,4,,,,,0.8 μm,3.2 μm,"));
    QCOMPARE(lines.at(5), QString("10,,,,,,"));
    QCOMPARE(lines.at(6), QString());

    QVERIFY(model.exportMeasurementData(f, UnitCode::Imperial, path("m.csv")));
    QCOMPARE(fromGbk(readFile(path("m.csv"))).split('\n').at(4), QString("1.23457e+06,,4,,,,,31.5 μin,126 μin,"));
}

void FileModelTest::measurementCsvRows()
{
    MeasureDataFile f;
    CalculateResult &r = f.calcutateResult;
    r.measureDataList = QVector<double>(5, 1.0).toList();
    r.wavinessDataList_y = {1, 2, 3};
    r.roughnessDataList_y = {1, 2, 3};
    r.abbottFirestoneDataList_y = QVector<double>(100, 7.0).toList();
    r.amplitudeCurveDataList_y = {1, 2};
    r.parameters = {entry(0, "Ra", 1, 2)};
    QVERIFY(model.exportMeasurementData(f, UnitCode::Metric, path("m.csv")));
    const QStringList lines = fromGbk(readFile(path("m.csv"))).split('\n');
    QCOMPARE(lines.size(), 102);
    QCOMPARE(lines.at(5), QString("1,,,,7,,"));
    QCOMPARE(lines.at(100), QString(",,,,7,,"));

    r = CalculateResult();
    r.measureDataList = {1, 2};
    r.parameters = {entry(0, "Ra", 1, 2)};
    QVERIFY(model.exportMeasurementData(f, UnitCode::Metric, path("two.csv")));
    QVERIFY(!fromGbk(readFile(path("two.csv"))).contains("Ra"));
    r.measureDataList = {1, 2, 3};
    QVERIFY(model.exportMeasurementData(f, UnitCode::Metric, path("three.csv")));
    const QString three = fromGbk(readFile(path("three.csv")));
    QVERIFY(three.contains("Ra"));
    QVERIFY(!three.contains("1 μm"));
}

void FileModelTest::measurementCsvOutOfRangeSettings()
{
    MeasureDataFile f;
    f.calcutateResult.measureDataList = {1};
    f.measureDataInfo.settingsData = {10, -1, 6, 5, 7, 3, 5, 3};
    QVERIFY(model.exportMeasurementData(f, UnitCode::Metric, path("m.csv")));
    QCOMPARE(fromGbk(readFile(path("m.csv"))).split('\n').at(1), QString("1,,,,,,,,,,,,,,"));
}

void FileModelTest::instrumentCsv()
{
    const InstrumentOptionLists options{{"r0", "r1", "r2", "r3"}, {"s0", "s1", "s2"}, {"f0"}, {"l0", "l1"}};
    DATA_SAVE record{};
    record.calculateStandard = 2;
    record.samplingLength = 1;
    record.samplingNumber = 5;
    record.measureRange = 3;
    record.filter = 0;
    QVERIFY(model.exportExecutingMachineData(record, {{"Ra", "0.8 μm"}, {"Rz", "3.2"}}, options, path("r.csv")));
    QCOMPARE(fromGbk(readFile(path("r.csv"))), QString("计算标准,取样长度,取样个数,测量范围,滤波器\n"
                                                       "s2,l1,5,r3,f0,\n\nRa,Rz,\n0.8 μm,3.2,\n\n\n\n\n\n\n"));

    record.calculateStandard = 4;
    record.samplingLength = 255;
    record.measureRange = 4;
    record.filter = 200;
    QVERIFY(model.exportExecutingMachineData(record, {}, options, path("r.csv")));
    const QStringList lines = fromGbk(readFile(path("r.csv"))).split('\n');
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines.at(1), QString(",,5,,,"));
}

QTEST_MAIN(FileModelTest)
#include "FileModelTest.moc"
