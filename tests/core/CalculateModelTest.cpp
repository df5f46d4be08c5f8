#include "CalculateModel.h"
#include "GlobalData.h"
#include "Language.h"
#include "SettingsModel.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <vector>

namespace {
// GBK bytes of the library's unit texts.
const char kMicrometre[] = "\xA6\xCC"
                           "m";
const char kMicroInch[] = "\xA6\xCC\xA1\xE5";

struct Curve {
    std::vector<double> x;
    std::vector<double> y;

    void attach(DataArray &array, int n, double offset)
    {
        x.resize(static_cast<size_t>(n));
        y.resize(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            x[static_cast<size_t>(i)] = i;
            y[static_cast<size_t>(i)] = offset + i;
        }
        array.N = n;
        array.X = x.data();
        array.Y = y.data();
    }
};

void setResult(ParmResult &result, double value, const char *text)
{
    result.Value1 = value;
    result.Unit1 = kMicrometre;
    std::snprintf(result.ValueUnit1, sizeof result.ValueUnit1, "%s %s", text, kMicrometre);
    result.Value2 = value * 39.37;
    result.Unit2 = kMicroInch;
    std::snprintf(result.ValueUnit2, sizeof result.ValueUnit2, "%s0 %s", text, kMicroInch);
}

// A record as the library leaves it, with room for four points per curve.
ParaRecord evaluatedRecord(int valid)
{
    ParaRecord record{};
    record.Valid = valid;
    record.Capacity = 4;
    record.RCount = KAVRIX_R_COUNT;
    record.MrCount = KAVRIX_MR_COUNT;
    return record;
}

ParameterEntry entry(int id, const QString &name)
{
    ParameterEntry e;
    e.id = id;
    e.paraName = name;
    return e;
}

QList<ParameterEntry> measuredEntries()
{
    QList<ParameterEntry> entries{entry(0, "Ra"), entry(4, "Rp")};
    for (ParameterEntry &e : entries) {
        e.value1 = 1.5;
        e.valueAndUnit1 = QString::fromUtf8("1.500 μm");
    }
    return entries;
}

QList<int> idsOf(const QList<ParameterEntry> &entries)
{
    QList<int> ids;
    for (const ParameterEntry &e : entries)
        ids.append(e.id);
    return ids;
}

QList<double> profile(int count, double amplitude)
{
    QList<double> samples;
    for (int i = 0; i < count; ++i)
        samples.append(amplitude * std::sin(i * 0.05) + 2000.0);
    return samples;
}

// A shown window over which the model's notices appear.
struct NoticeStage {
    NoticeStage()
    {
        window.resize(800, 600);
        window.show();
        GlobalData::instance()->noticeContainer.setParentWidget(&window);
    }
    ~NoticeStage() { GlobalData::instance()->noticeContainer.setParentWidget(nullptr); }
    NoticeStage(const NoticeStage &) = delete;
    NoticeStage &operator=(const NoticeStage &) = delete;

    QWidget window;
};

void setSettings(int shape, int filter, int ls, int lc, int length, int number, int range)
{
    SettingsData &s = GlobalData::instance()->settingsData;
    s.shapeRemoval = shape;
    s.waveFilter = filter;
    s.cutoffWavelengthS = ls;
    s.cutoffWavelengthC = lc;
    s.samplingLength = length;
    s.samplingNumber = number;
    s.measureRange = range;
}
}

class CalculateModelTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void loadsTheClippedRange_data();
    void loadsTheClippedRange();
    void loadsNothingWithoutABuffer();
    void readsCurvesAndMergesValuesById();
    void rejectedEvaluationShowsNoValues();
    void buildsEntriesFromTheNameTable();
    void calibratedFactor_data();
    void calibratedFactor();
    void pairsFollowTheUnit();
    void passesOptionsAndHeightFactor_data();
    void passesOptionsAndHeightFactor();
    void tooShortRangeStaysUnmeasured();
    void failedCalibrationKeepsTheFactor();
    void evaluatesARealProfile();
    void calibratesAgainstTheReferenceRa();
    void profileLongerThanTheRecordIsEvaluatedWithinIt();

private:
    // A real profile under the current standard's names, selected whole.
    void loadProfile(int samples);

    CalculateModel model;
};

void CalculateModelTest::init()
{
    GlobalData *data = GlobalData::instance();
    data->measurePurpose = 0;
    data->unit = 0;
    data->calibrationFactor = 0.004;
    data->referenceRa = 1.0;
    data->settingsData.calculateStandard = 0;
    setSettings(1, 1, 1, 4, 2, 3, 0);
    data->calcutateResult = CalculateResult();
}

void CalculateModelTest::loadProfile(int samples)
{
    model.updateParameterNameList();
    GlobalData::instance()->calcutateResult.measureDataList = profile(samples, 800.0);
    GlobalData::instance()->calcutateResult.right = samples - 1;
}

void CalculateModelTest::loadsTheClippedRange_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("evalLength");

    QTest::newRow("reversed ends") << 500 << 100 << 3000 << 21000 << 100 << 401 << 401.0 / 3000 * 10;
    QTest::newRow("beyond both ends") << -10 << 100000 << 3000 << 21000 << 0 << 3000 << 10.0;
    QTest::newRow("twenty samples") << 0 << 19 << 3000 << 21000 << 0 << 20 << 20.0 / 3000 * 10;
    QTest::newRow("longer than the record") << 0 << 99 << 100 << 30 << 0 << 30 << 3.0;
    QTest::newRow("longer than the record, inner start") << 80 << 10 << 100 << 30 << 10 << 30 << 3.0;
    QTest::newRow("empty profile") << 0 << 0 << 0 << 21000 << 0 << 0 << 0.0;
}

void CalculateModelTest::loadsTheClippedRange()
{
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, samples);
    QFETCH(int, capacity);
    QFETCH(int, first);
    QFETCH(int, n);
    QFETCH(double, evalLength);

    QList<double> values;
    for (int i = 0; i < samples; ++i)
        values.append(i);
    // Exactly the record's capacity, so the sanitizer build sees any write past it.
    std::vector<double> buffer(static_cast<size_t>(capacity));
    ParaRecord record{};
    record.Capacity = capacity;
    record.RawArray.Y = buffer.data();

    CalculateModel::loadSamples(record, values, left, right, 10.0);
    QCOMPARE(record.RawArray.N, n);
    QVERIFY(qFuzzyCompare(1.0 + record.Cond.EvalLength, 1.0 + evalLength));
    if (n > 0) {
        QCOMPARE(buffer.front(), double(first));
        QCOMPARE(buffer[static_cast<size_t>(n - 1)], double(first + n - 1));
    }
}

void CalculateModelTest::loadsNothingWithoutABuffer()
{
    ParaRecord record{};
    record.Capacity = 21000;
    CalculateModel::loadSamples(record, profile(100, 1.0), 0, 99, 10.0);
    QCOMPARE(record.RawArray.N, 0);

    CalculateModel::loadSamples(record, profile(100, 1.0), 5000, 6000, 10.0);
    QCOMPARE(record.RawArray.N, 0);
}

void CalculateModelTest::readsCurvesAndMergesValuesById()
{
    ParaRecord record = evaluatedRecord(1);
    Curve form, roughness, waviness;
    form.attach(record.FormArray, 3, 10.0);
    roughness.attach(record.RArray, 2, 20.0);
    // A count beyond the capacity must not be followed.
    waviness.attach(record.WArray, 10, 30.0);
    setResult(record.Results[0], 0.812, "0.812");
    setResult(record.Results[1], 9.0, "9.000");
    setResult(record.Results[4], 2.5, "2.500");
    setResult(record.Results[KAVRIX_MR_FIRST + 39], 42.0, "42.000");

    CalculateResult result;
    // The last entry's id is out of order, as a damaged file leaves it: the
    // evaluation fills no value into it, so none read before may stay.
    ParameterEntry stale = entry(2, "Rq");
    stale.value1 = 12345.0;
    stale.valueAndUnit1 = QString::fromUtf8("12345.000 μm");
    result.parameters = {entry(0, "Ra75"), entry(4, "Rp"), entry(15, "PPI"), stale};
    result.abbottParameters = {entry(39, "Rdc(9)")};
    result.roughnessDataList_y = {99.0};
    CalculateModel::readResults(record, result);

    QCOMPARE(result.shapeRemovalDataList_y, (QList<double>{10.0, 11.0, 12.0}));
    QCOMPARE(result.shapeRemovalDataList_x, (QList<double>{0.0, 1.0, 2.0}));
    QCOMPARE(result.roughnessDataList_y, (QList<double>{20.0, 21.0}));
    QCOMPARE(result.wavinessDataList_y.size(), 4);
    QVERIFY(result.abbottFirestoneDataList_x.isEmpty());
    QVERIFY(result.amplitudeCurveDataList_y.isEmpty());

    const ParameterEntry &ra = result.parameters.at(0);
    QCOMPARE(ra.paraName, QString("Ra75"));
    QCOMPARE(ra.value1, 0.812);
    QCOMPARE(ra.unit1, QString::fromUtf8("μm"));
    QCOMPARE(ra.unit2, QString::fromUtf8("μ″"));
    QCOMPARE(ra.valueAndUnit1, QString::fromUtf8("0.812 μm"));
    QCOMPARE(ra.valueAndUnit2, QString::fromUtf8("0.8120 μ″"));
    QCOMPARE(result.parameters.at(1).value1, 2.5);
    // Slot 15 holds the reset result; the unfilled slot 1 went to no entry.
    QCOMPARE(result.parameters.at(2).value1, 0.0);
    QCOMPARE(result.parameters.at(3).paraName, QString("Rq"));
    QCOMPARE(result.parameters.at(3).value1, 0.0);
    QCOMPARE(result.parameters.at(3).valueAndUnit1, QString("--"));
    QCOMPARE(result.abbottParameters.at(0).valueAndUnit1, QString::fromUtf8("42.000 μm"));
}

void CalculateModelTest::rejectedEvaluationShowsNoValues()
{
    ParaRecord record = evaluatedRecord(0);
    Curve form;
    form.attach(record.FormArray, 3, 10.0);
    setResult(record.Results[0], 0.0, "0");

    CalculateResult result;
    result.parameters = measuredEntries();
    result.abbottParameters = measuredEntries();
    result.shapeRemovalDataList_y = {1.0};
    CalculateModel::readResults(record, result);

    QVERIFY(result.shapeRemovalDataList_y.isEmpty());
    QVERIFY(result.shapeRemovalDataList_x.isEmpty());
    for (const QList<ParameterEntry> *list : {&result.parameters, &result.abbottParameters}) {
        QCOMPARE(idsOf(*list), (QList<int>{0, 4}));
        for (const ParameterEntry &e : *list) {
            QVERIFY(!e.paraName.isEmpty());
            QCOMPARE(e.value1, 0.0);
            QCOMPARE(e.valueAndUnit1, QString("--"));
            QCOMPARE(e.valueAndUnit2, QString("--"));
            QCOMPARE(e.unit1, QString("--"));
        }
    }
}

void CalculateModelTest::buildsEntriesFromTheNameTable()
{
    static const char *const jis82[] = {"Ra75", "Rq", "", "", "Rp",  "Rv",  "", "", "Rt", "",
                                        "S",    "",   "", "", "R3z", "PPI", "", "", ""};
    static char materialRatio[KAVRIX_MR_COUNT][16];
    auto info = std::make_unique<Info>();
    std::memset(info.get(), 0, sizeof(Info));
    for (int slot = 0; slot < KAVRIX_R_COUNT; ++slot)
        info->AllParmName[0][0][slot] = jis82[slot];
    info->AllParmName[0][2][11] = "R\xA6\xA4"
                                  "a";
    for (int slot = 0; slot < KAVRIX_MR_COUNT; ++slot) {
        std::snprintf(materialRatio[slot], sizeof materialRatio[slot], "Mr%d", slot);
        info->AllParmName[3][2][slot] = materialRatio[slot];
    }

    const QList<ParameterEntry> roughness = CalculateModel::parameterEntries(*info, 0, 0, KAVRIX_MEAN_SLOTS);
    QCOMPARE(idsOf(roughness), (QList<int>{0, 1, 4, 5, 8, 10, 14, 15}));
    QCOMPARE(roughness.first().paraName, QString("Ra75"));
    QCOMPARE(roughness.first().valueAndUnit1, QString("--"));
    QCOMPARE(roughness.first().unit2, QString("--"));
    QCOMPARE(roughness.last().paraName, QString("PPI"));

    QCOMPARE(CalculateModel::parameterEntries(*info, 0, 2, KAVRIX_MEAN_SLOTS).first().paraName,
             QString::fromUtf8("RΔa"));
    const QList<ParameterEntry> ratio = CalculateModel::parameterEntries(*info, 3, 2, KAVRIX_MR_COUNT);
    QCOMPARE(ratio.size(), 40);
    QCOMPARE(ratio.last().id, 39);
    QCOMPARE(ratio.last().paraName, QString("Mr39"));

    QVERIFY(CalculateModel::parameterEntries(*info, 0, 10, KAVRIX_MEAN_SLOTS).isEmpty());
    QVERIFY(CalculateModel::parameterEntries(*info, 0, -1, KAVRIX_MEAN_SLOTS).isEmpty());
}

void CalculateModelTest::calibratedFactor_data()
{
    QTest::addColumn<double>("ra");
    QTest::addColumn<double>("rangeFactor");
    QTest::addColumn<double>("factor");
    const double none = 0.0;
    QTest::newRow("reference example") << 400.0 << 0.25028911 << 0.004 / 0.25028911;
    QTest::newRow("Ra zero") << 0.0 << 0.25028911 << none;
    QTest::newRow("Ra not a number") << std::nan("") << 1.0 << none;
    QTest::newRow("Ra infinite") << HUGE_VAL << 1.0 << none;
    QTest::newRow("unknown range") << 400.0 << 0.0 << none;
}

void CalculateModelTest::calibratedFactor()
{
    QFETCH(double, ra);
    QFETCH(double, rangeFactor);
    QFETCH(double, factor);
    const std::optional<double> result = CalculateModel::calibratedFactor(1.6, ra, rangeFactor);
    if (factor == 0.0) {
        QVERIFY(!result);
        return;
    }
    QVERIFY(result);
    QVERIFY(qFuzzyCompare(*result, factor));
    // The next height factor turns the profile's Ra into the reference Ra.
    QVERIFY(qFuzzyCompare(*result * rangeFactor * ra, 1.6));
}

void CalculateModelTest::pairsFollowTheUnit()
{
    ParameterEntry ra = entry(0, "Ra");
    ra.valueAndUnit1 = QString::fromUtf8("0.812 μm");
    ra.valueAndUnit2 = QString::fromUtf8("31.969 μ″");
    GlobalData *data = GlobalData::instance();
    data->calcutateResult.parameters = {ra};
    data->calcutateResult.abbottParameters = {entry(5, "Rk")};

    data->unit = 0;
    QCOMPARE(model.parameterNameValuePairs(), (NameValuePairs{{"Ra", QString::fromUtf8("0.812 μm")}}));
    QCOMPARE(model.abbottNameValuePairs(), (NameValuePairs{{"Rk", "--"}}));
    data->unit = 1;
    QCOMPARE(model.nameValuePairs({ra}), (NameValuePairs{{"Ra", QString::fromUtf8("31.969 μ″")}}));
    data->unit = 2;
    QVERIFY(model.nameValuePairs({ra}).isEmpty());
}

void CalculateModelTest::passesOptionsAndHeightFactor_data()
{
    QTest::addColumn<int>("measureRange");
    QTest::addColumn<double>("zMag");
    QTest::newRow("40 um") << 0 << 0.004;
    QTest::newRow("80 um") << 1 << 0.004 * 0.49517895;
    QTest::newRow("160 um") << 2 << 0.004 * 0.25028911;
    QTest::newRow("unknown range is rejected") << 5 << 0.0;
}

void CalculateModelTest::passesOptionsAndHeightFactor()
{
    QFETCH(int, measureRange);
    QFETCH(double, zMag);
    setSettings(5, 2, 3, 6, 0, 4, measureRange);
    QSignalSpy calculated(&model, &CalculateModel::parameterCalculated);
    model.calculate();

    const EvalCond &cond = GlobalData::instance()->stPara.Cond;
    QCOMPARE(cond.ShapeOption, 5);
    QCOMPARE(cond.FilterOption, 2);
    QCOMPARE(cond.LsOption, 3);
    QCOMPARE(cond.LcOption, 6);
    QCOMPARE(cond.ParmZMag, zMag);
    QCOMPARE(GlobalData::instance()->stPara.Mode, 2);
    QCOMPARE(calculated.count(), 1);
}

void CalculateModelTest::tooShortRangeStaysUnmeasured()
{
    GlobalData *data = GlobalData::instance();
    data->calcutateResult.measureDataList = profile(19, 500.0);
    data->calcutateResult.right = 18;
    data->calcutateResult.parameters = measuredEntries();
    data->calcutateResult.roughnessDataList_y = {1.0, 2.0};
    QSignalSpy calculated(&model, &CalculateModel::parameterCalculated);

    model.calculate();
    QCOMPARE(calculated.count(), 1);
    QVERIFY(data->calcutateResult.roughnessDataList_y.isEmpty());
    for (const ParameterEntry &e : data->calcutateResult.parameters)
        QCOMPARE(e.valueAndUnit1, QString("--"));
}

void CalculateModelTest::failedCalibrationKeepsTheFactor()
{
    NoticeStage stage;
    GlobalData *data = GlobalData::instance();
    data->calcutateResult.measureDataList = QVector<double>(400, 1234.0).toList();
    data->calcutateResult.right = 399;
    data->calcutateResult.parameters = measuredEntries();
    data->measurePurpose = 1;
    QSignalSpy calculated(&model, &CalculateModel::parameterCalculated);
    QSignalSpy factorUpdated(&model, &CalculateModel::calibrationFactorUpdated);

    model.calculate();
    QVERIFY(Language::instance()->dictionary.contains("calibrateFail"));
    QCOMPARE(data->calibrationFactor, 0.004);
    QCOMPARE(data->measurePurpose, 0);
    QCOMPARE(factorUpdated.count(), 0);
    // The operator's evaluation ran after the failed calibration.
    QCOMPARE(calculated.count(), 1);
    QCOMPARE(data->stPara.Cond.ParmZMag, 0.004);

    QTRY_VERIFY_WITH_TIMEOUT(stage.window.findChild<Notice *>(), 5000);
    const Notice *notice = stage.window.findChild<Notice *>();
    QCOMPARE(notice->findChild<QLabel *>()->text(), Language::instance()->text("calibrateFail"));
    QVERIFY(notice->styleSheet().contains("rgb(255,87,51)"));
}

void CalculateModelTest::evaluatesARealProfile()
{
    GlobalData *data = GlobalData::instance();
    loadProfile(2000);
    model.calculate();
    QVERIFY(data->stPara.Valid);

    const CalculateResult &result = data->calcutateResult;
    QCOMPARE(idsOf(result.parameters), (QList<int>{0, 1, 4, 5, 8, 10, 14, 15}));
    QCOMPARE(result.abbottParameters.size(), 40);
    QVERIFY(!result.roughnessDataList_y.isEmpty());
    QCOMPARE(result.roughnessDataList_x.size(), result.roughnessDataList_y.size());
    const ParameterEntry &ra = result.parameters.first();
    QVERIFY(ra.value1 > 0.0);
    QCOMPARE(ra.unit1, QString::fromUtf8("μm"));
    QVERIFY(ra.valueAndUnit1.endsWith(QString::fromUtf8(" μm")));
    QVERIFY(ra.valueAndUnit2.endsWith(QString::fromUtf8(" μ″")));
    for (const QList<ParameterEntry> *list : {&result.parameters, &result.abbottParameters}) {
        for (const ParameterEntry &e : *list) {
            QVERIFY(e.valueAndUnit1 != "--");
            for (const QString &text : {e.paraName, e.unit1, e.unit2, e.valueAndUnit1, e.valueAndUnit2})
                QVERIFY2(!text.contains(QChar::ReplacementCharacter), qPrintable(text));
        }
    }
}

void CalculateModelTest::calibratesAgainstTheReferenceRa()
{
    GlobalData *data = GlobalData::instance();
    loadProfile(2000);
    data->referenceRa = 1.6;
    // The operator's options equal the calibration's own choices, so the
    // evaluation that follows must read the reference Ra off the same profile.
    setSettings(0, 0, 0, model.referenceLcOption(), 2, 3, 2);
    data->measurePurpose = 1;
    QSignalSpy calculated(&model, &CalculateModel::parameterCalculated);
    QSignalSpy factorUpdated(&model, &CalculateModel::calibrationFactorUpdated);
    model.calculate();
    QVERIFY(data->stPara.Valid);

    QCOMPARE(factorUpdated.count(), 1);
    QCOMPARE(calculated.count(), 1);
    QCOMPARE(data->measurePurpose, 0);
    QCOMPARE(data->stPara.Cond.ParmZMag, data->calibrationFactor * 0.25028911);
    const double ra = data->calcutateResult.parameters.first().value1;
    QVERIFY2(std::abs(ra - 1.6) < 1e-3, qPrintable(QString::number(ra)));
}

void CalculateModelTest::profileLongerThanTheRecordIsEvaluatedWithinIt()
{
    GlobalData *data = GlobalData::instance();
    loadProfile(25000);
    data->calcutateResult.left = 24999;
    data->calcutateResult.right = 0;
    model.calculate();
    QCOMPARE(data->stPara.RawArray.N, 21000);
    QVERIFY(data->stPara.Valid);
    QVERIFY(!data->calcutateResult.roughnessDataList_y.isEmpty());
    QVERIFY(data->calcutateResult.roughnessDataList_y.size() <= 21000);
}

QTEST_MAIN(CalculateModelTest)
#include "CalculateModelTest.moc"
