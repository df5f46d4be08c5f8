// The settings options are kept in several places: the option counts of the
// settings record, the option lists of SettingsModel, the code tables of
// FileModel's CSV export, the instrument lists of GlobalData and the option
// codes the calculation library decodes. They must describe the same options.

#include "CalculateModel.h"
#include "Codes.h"
#include "FileModel.h"
#include "GlobalData.h"
#include "Language.h"
#include "SettingsData.h"
#include "SettingsModel.h"

#include <QtTest>

#include <cmath>

namespace {

// The number in front of a text such as "2.50 μm" or "0.8 mm".
double leadingNumber(const QString &text)
{
    return text.section(' ', 0, 0).toDouble();
}

QList<double> numbers(const QStringList &texts)
{
    QList<double> values;
    for (const QString &text : texts)
        values.append(leadingNumber(text));
    return values;
}

}

class OptionTablesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyListHasTheRecordsCount();
    void settingsAndCsvTextsNameTheSameOptions();
    void instrumentListsAgreeWithTheSettings();
    void libraryDecodesEveryCutoffAsListed();
    void libraryTakesExactlyTheListedShapesAndFilters();

private:
    // Runs one evaluation of a plain profile with the given settings and
    // returns the evaluation record's conditions as the library left them.
    EvalCond evaluate(const SettingsData &settings);
    // The library keeps a cut-off as a count of samples; back in mm.
    static double cutoffMm(const EvalCond &cond, double samples);

    FileModel files;
    CalculateModel calculator;
};

void OptionTablesTest::initTestCase()
{
    Language::instance()->setLanguage(LanguageCode::Chinese);
    GlobalData *data = GlobalData::instance();
    QList<double> profile;
    for (int i = 0; i < 4000; ++i)
        profile.append(100.0 * std::sin(i * 0.05) + 20.0 * std::sin(i * 0.7));
    data->calcutateResult.measureDataList = profile;
    data->setCalculateRange(0, profile.size() - 1);
}

void OptionTablesTest::cleanupTestCase()
{
    GlobalData::instance()->noticeContainer.release();
}

void OptionTablesTest::everyListHasTheRecordsCount()
{
    const QList<std::tuple<const char *, int, QStringList, QStringList>> tables{
        {"calculateStandard", SettingsData::calculateStandardCount, SettingsModel::calculateStandardList(),
         files.calculateStandardTexts},
        {"shapeRemoval", SettingsData::shapeRemovalCount, SettingsModel::shapeRemovalList(), files.shapeRemovalTexts},
        {"waveFilter", SettingsData::waveFilterCount, SettingsModel::waveFilterList(), files.waveFilterTexts},
        {"cutoffWavelengthS", SettingsData::cutoffWavelengthSCount, SettingsModel::cutoffWavelengthSList(),
         files.cutoffWavelengthSTexts},
        {"cutoffWavelengthC", SettingsData::cutoffWavelengthCCount, SettingsModel::cutoffWavelengthCList(),
         files.cutoffWavelengthCTexts},
        {"samplingLength", SettingsData::samplingLengthCount, SettingsModel::samplingLengthList(),
         files.samplingLengthTexts},
        {"samplingNumber", SettingsData::samplingNumberCount, SettingsModel::samplingNumberList(),
         files.samplingNumberTexts},
        {"measureRange", SettingsData::measureRangeCount, SettingsModel::measureRangeList(), files.measureRangeTexts}};
    for (const auto &[name, count, options, csvTexts] : tables) {
        QVERIFY2(options.size() == count, name);
        QVERIFY2(csvTexts.size() == count, name);
    }
    QCOMPARE(files.samplingLengthNumbers.size(), SettingsData::samplingLengthCount);
}

void OptionTablesTest::settingsAndCsvTextsNameTheSameOptions()
{
    QCOMPARE(SettingsModel::calculateStandardList(), files.calculateStandardTexts);
    QCOMPARE(SettingsModel::shapeRemovalList(), files.shapeRemovalTexts);
    QCOMPARE(SettingsModel::waveFilterList(), files.waveFilterTexts);
    QCOMPARE(SettingsModel::samplingLengthList(), files.samplingLengthTexts);
    QCOMPARE(SettingsModel::samplingNumberList(), files.samplingNumberTexts);
    QCOMPARE(SettingsModel::measureRangeList(), files.measureRangeTexts);
    QCOMPARE(numbers(files.samplingLengthNumbers), numbers(files.samplingLengthTexts));
    // The cut-offs are formatted differently; their values and units agree.
    QCOMPARE(numbers(SettingsModel::cutoffWavelengthSList()).mid(1), numbers(files.cutoffWavelengthSTexts).mid(1));
    QCOMPARE(numbers(SettingsModel::cutoffWavelengthCList()).mid(1), numbers(files.cutoffWavelengthCTexts).mid(1));
    for (int i = 1; i < SettingsData::cutoffWavelengthSCount; ++i)
        QCOMPARE(SettingsModel::cutoffWavelengthSText(i).section(' ', 1),
                 files.cutoffWavelengthSTexts.at(i).section(' ', 1));
    for (int i = 1; i < SettingsData::cutoffWavelengthCCount; ++i)
        QCOMPARE(SettingsModel::cutoffWavelengthCText(i).section(' ', 1),
                 files.cutoffWavelengthCTexts.at(i).section(' ', 1));
}

void OptionTablesTest::instrumentListsAgreeWithTheSettings()
{
    const GlobalData *data = GlobalData::instance();
    QCOMPARE(data->instrumentSamplingLengthList, SettingsModel::samplingLengthList());
    for (const QString &range : SettingsModel::measureRangeList())
        QVERIFY2(data->instrumentRangeList.contains(range), qPrintable(range));
    for (int range = 0; range < SettingsData::measureRangeCount; ++range)
        QVERIFY(CalculateModel::rangeFactor(range) > 0.0);
    QCOMPARE(CalculateModel::rangeFactor(SettingsData::measureRangeCount), 0.0);
}

EvalCond OptionTablesTest::evaluate(const SettingsData &settings)
{
    GlobalData *data = GlobalData::instance();
    data->measurePurpose = MeasurePurpose::Measurement;
    data->settingsData = settings;
    calculator.calculate();
    return data->stPara.Cond;
}

double OptionTablesTest::cutoffMm(const EvalCond &cond, double samples)
{
    return samples * cond.EvalLength / GlobalData::instance()->stPara.RawArray.N;
}

void OptionTablesTest::libraryDecodesEveryCutoffAsListed()
{
    SettingsData settings;
    for (int option = 1; option < SettingsData::cutoffWavelengthCCount; ++option) {
        settings.cutoffWavelengthC = option;
        const EvalCond cond = evaluate(settings);
        QCOMPARE(cutoffMm(cond, cond.Lc), leadingNumber(SettingsModel::cutoffWavelengthCText(option)));
    }
    settings.cutoffWavelengthC = 4;
    for (int option = 1; option < SettingsData::cutoffWavelengthSCount; ++option) {
        settings.cutoffWavelengthS = option;
        const EvalCond cond = evaluate(settings);
        QCOMPARE(cutoffMm(cond, cond.Ls) * 1000.0, leadingNumber(SettingsModel::cutoffWavelengthSText(option)));
    }
    settings.cutoffWavelengthS = SettingsData::cutoffWavelengthSCount;
    QCOMPARE(evaluate(settings).Ls, 0.0);
    QCOMPARE(GlobalData::instance()->stPara.Valid, 0);
    settings.cutoffWavelengthS = 0;
    settings.cutoffWavelengthC = SettingsData::cutoffWavelengthCCount;
    QCOMPARE(evaluate(settings).Lc, 0.0);
    QCOMPARE(GlobalData::instance()->stPara.Valid, 0);
}

void OptionTablesTest::libraryTakesExactlyTheListedShapesAndFilters()
{
    SettingsData settings;
    for (int option = 0; option < SettingsData::shapeRemovalCount; ++option) {
        settings.shapeRemoval = option;
        QVERIFY2(evaluate(settings).ShapeMode != 0, qPrintable(SettingsModel::shapeRemovalText(option)));
    }
    settings.shapeRemoval = SettingsData::shapeRemovalCount;
    QCOMPARE(evaluate(settings).ShapeMode, 0);
    settings.shapeRemoval = 0;
    for (int option = 0; option < SettingsData::waveFilterCount; ++option) {
        settings.waveFilter = option;
        QVERIFY2(evaluate(settings).FilterType != 0, qPrintable(SettingsModel::waveFilterText(option)));
    }
    settings.waveFilter = SettingsData::waveFilterCount;
    QCOMPARE(evaluate(settings).FilterType, 0);
}

QTEST_MAIN(OptionTablesTest)
#include "OptionTablesTest.moc"
