#include "Language.h"

#include <QSignalSpy>
#include <QtTest>

class LanguageTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void holdsEveryKeyWithTwoTexts();
    void textsInBothLanguages_data();
    void textsInBothLanguages();
    void englishOfUnlistedKeysSpellsOutTheKey_data();
    void englishOfUnlistedKeysSpellsOutTheKey();
    void absentKeyGivesEmptyTextUntilTheNextSwitch();
    void everySwitchRebuildsAndAnnounces();
    void assigningTheIndexAloneChangesNoText();
    void indexOutsideTheTwoLanguagesFallsBackToChinese();
};

void LanguageTest::init()
{
    Language::instance()->setLanguage(0);
}

void LanguageTest::holdsEveryKeyWithTwoTexts()
{
    const Language *language = Language::instance();
    // The table's 125 keys and the two failure texts "openFailed" and "printFailed".
    QCOMPARE(language->dictionary.size(), 127);
    for (const QStringList &texts : language->dictionary)
        QCOMPARE(texts.size(), 2);
    QCOMPARE(language->currentTexts.size(), 127);
}

void LanguageTest::textsInBothLanguages_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    QTest::newRow("roughnessTester") << QString("roughnessTester") << QString::fromUtf8("粗糙度仪")
                                     << QString::fromUtf8("Roughness Tester");
    QTest::newRow("twoPoint") << QString("twoPoint") << QString::fromUtf8("两点") << QString::fromUtf8("2 Point");
    QTest::newRow("spline") << QString("spline") << QString::fromUtf8("花键曲线") << QString::fromUtf8("Spline");
    QTest::newRow("cutoffS") << QString("cutoffS") << QString::fromUtf8("λs") << QString::fromUtf8("λs");
    QTest::newRow("raCalibrationValue") << QString("raCalibrationValue") << QString::fromUtf8("Ra 标定值")
                                        << QString::fromUtf8("Ra Value     ");
    QTest::newRow("calibratingSpeed") << QString("calibratingSpeed") << QString::fromUtf8("正在校准速度")
                                      << QString::fromUtf8("calibratingSpeed");
    QTest::newRow("savedSuccessfully") << QString("savedSuccessfully") << QString::fromUtf8("保存成功")
                                       << QString::fromUtf8("Saved Successfully");
    QTest::newRow("theFileIsOccupied.") << QString("theFileIsOccupied.") << QString::fromUtf8("文件被占用")
                                        << QString::fromUtf8("The file is occupied.");
    QTest::newRow("confirmToDeleteSelectedFile")
        << QString("confirmToDeleteSelectedFile") << QString::fromUtf8("确认要删除当前选中文件吗？")
        << QString::fromUtf8("Are you sure you want to delete the currently selected file?");
    QTest::newRow("calibrationLoading") << QString("calibrationLoading") << QString::fromUtf8("正在校准，请稍等。")
                                        << QString::fromUtf8("Please wait a moment while calibrating.");
    QTest::newRow("RaValueOutOfLimit") << QString("RaValueOutOfLimit") << QString::fromUtf8("Ra值超出限定范围")
                                       << QString::fromUtf8("Ra value out of limit!");
    QTest::newRow("open2") << QString("open2") << QString::fromUtf8("打开") << QString::fromUtf8("Open");
    QTest::newRow("measureFail") << QString("measureFail") << QString::fromUtf8("测量失败，请重新测量!")
                                 << QString::fromUtf8("Measurement failed, please recalibrate!");
    QTest::newRow("calibrateFail") << QString("calibrateFail") << QString::fromUtf8("校准失败，请重新校准!")
                                   << QString::fromUtf8("Calibration failed, please recalibrate");
    QTest::newRow("newMeasurementLengthApplied")
        << QString("newMeasurementLengthApplied") << QString::fromUtf8("新的测量范围已应用")
        << QString::fromUtf8("The new measuring lengths have been applied");
    QTest::newRow("saveData") << QString("saveData") << QString::fromUtf8("保存数据") << QString("Save Data");
    QTest::newRow("calibration") << QString("calibration") << QString::fromUtf8("校准") << QString("Calibration");
    QTest::newRow("openFailed") << QString("openFailed") << QString::fromUtf8("打开文件失败")
                                << QString("Failed to open the file");
    QTest::newRow("printFailed") << QString("printFailed") << QString::fromUtf8("打印失败") << QString("Print failed");
}

void LanguageTest::textsInBothLanguages()
{
    QFETCH(QString, key);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    Language *language = Language::instance();
    QCOMPARE(language->text(key), chinese);
    language->setLanguage(1);
    QCOMPARE(language->text(key), english);
}

void LanguageTest::englishOfUnlistedKeysSpellsOutTheKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("english");
    QTest::newRow("softwareVersionNumber") << "softwareVersionNumber"
                                           << "Software Version Number";
    QTest::newRow("horizontalCrossSectionHeightDifference") << "horizontalCrossSectionHeightDifference"
                                                            << "Horizontal Cross Section Height Difference";
    QTest::newRow("print") << "print"
                           << "Print";
}

void LanguageTest::englishOfUnlistedKeysSpellsOutTheKey()
{
    QFETCH(QString, key);
    QFETCH(QString, english);
    Language *language = Language::instance();
    QVERIFY(!language->text(key).isEmpty());
    language->setLanguage(1);
    QCOMPARE(language->text(key), english);
}

void LanguageTest::absentKeyGivesEmptyTextUntilTheNextSwitch()
{
    Language *language = Language::instance();
    QVERIFY(language->text("noSuchKey").isEmpty());
    QVERIFY(language->currentTexts.contains("noSuchKey"));
    QVERIFY(!language->dictionary.contains("noSuchKey"));
    language->setLanguage(1);
    QVERIFY(!language->currentTexts.contains("noSuchKey"));
}

void LanguageTest::everySwitchRebuildsAndAnnounces()
{
    Language *language = Language::instance();
    QSignalSpy spy(language, &Language::languageChanged);
    language->text("addedByLookup");
    language->setLanguage(0);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);
    QVERIFY(!language->currentTexts.contains("addedByLookup"));
}

void LanguageTest::assigningTheIndexAloneChangesNoText()
{
    Language *language = Language::instance();
    language->language = 1;
    QCOMPARE(language->text("savedSuccessfully"), QString::fromUtf8("保存成功"));
}

void LanguageTest::indexOutsideTheTwoLanguagesFallsBackToChinese()
{
    Language *language = Language::instance();
    QSignalSpy spy(language, &Language::languageChanged);
    language->setLanguage(5);
    QCOMPARE(language->language, 0);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);
    QCOMPARE(language->text("savedSuccessfully"), QString::fromUtf8("保存成功"));

    language->language = -3;
    language->reloadDictionary();
    QCOMPARE(language->text("savedSuccessfully"), QString::fromUtf8("保存成功"));
}

QTEST_APPLESS_MAIN(LanguageTest)
#include "LanguageTest.moc"
