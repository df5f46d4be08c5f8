#include "PanelRig.h"

#include "ComboBox.h"
#include "DeveloperModelDialog.h"
#include "LabelAndLabel.h"
#include "MeasurePage.h"
#include "NeedleCalibrationDialog.h"
#include "SetupModel.h"
#include "SetupPage.h"
#include "SwitchButton.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int kShortResetMs = 300;

LabelAndLabel *equipmentNameRow(QWidget *page)
{
    return page->findChildren<LabelAndLabel *>().at(2);
}

}

class SetupPageTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void buildDateReadsAsDottedDate_data();
    void buildDateReadsAsDottedDate();
    void onlyLanguageAndUnitCodesAreSet();
    void autoSaveSwitchFollowsTheModel();
    void serialNumberIsPlainText();
    void pauseStartsTheCountAgain();
    void fiveTapsOpenTheDeveloperDialog();
    void developerConfirmWhileMeasuringSendsNothing();
    void developerConfirmOpensTheNeedleDialog();

private:
    void tap(int times);

    PanelRig rig;
    std::unique_ptr<MeasurePage> measurePage;
    std::unique_ptr<SetupPage> page;
    std::unique_ptr<NoticeRecorder> notices;
};

void SetupPageTest::initTestCase()
{
    QVERIFY(rig.setUp());
    GlobalData::instance()->mainWindowRect = QRect(0, 0, 1280, 800);
    // The link as the program runs it, never finding a unit here.
    NetworkController::Intervals intervals;
    intervals.probeMs = 24 * 60 * 60 * 1000;
    PanelRig::link()->setIntervals(intervals);
    PanelRig::link()->init();
}

void SetupPageTest::init()
{
    Language::instance()->setLanguage(LanguageCode::English);
    measurePage = std::make_unique<MeasurePage>();
    measurePage->init();
    page = std::make_unique<SetupPage>();
    page->init();
    page->setMeasurePage(measurePage.get());
    page->setTapResetInterval(kShortResetMs);
    page->resize(1190, 755);
    page->show();
    notices = std::make_unique<NoticeRecorder>();
    PanelRig::emitFlags({});
}

void SetupPageTest::cleanup()
{
    page.reset();
    measurePage.reset();
    notices.reset();
}

void SetupPageTest::cleanupTestCase()
{
    rig.tearDown();
}

void SetupPageTest::buildDateReadsAsDottedDate_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("expected");
    QTest::newRow("day with a blank") << "Mar  8 2025"
                                      << "2025.03.08";
    QTest::newRow("two-digit day") << "Mar 28 2025"
                                   << "2025.03.28";
    QTest::newRow("not a date") << "Foo 99 2025"
                                << "";
}

void SetupPageTest::buildDateReadsAsDottedDate()
{
    QFETCH(QString, date);
    QFETCH(QString, expected);
    QCOMPARE(SetupPage::buildDateText(date, "16:25:20"), expected);
    const QString shown = page->findChildren<LabelAndLabel *>().at(1)->findChildren<QLabel *>().at(1)->text();
    QCOMPARE(shown, "1.0.0  " + SetupPage::buildDateText(__DATE__, __TIME__));
    QVERIFY(QDate::fromString(shown.mid(7), "yyyy.MM.dd").isValid());
}

void SetupPageTest::onlyLanguageAndUnitCodesAreSet()
{
    const QList<ComboBox *> combos = page->findChildren<ComboBox *>();
    ComboBox *language = combos.at(0);
    ComboBox *unit = combos.at(1);
    QSignalSpy languages(Language::instance(), &Language::languageChanged);
    QSignalSpy units(GlobalData::instance(), &GlobalData::unitChanged);
    emit language->indexChanged(-1);
    emit unit->indexChanged(-1);
    emit unit->indexChanged(2);
    QVERIFY(languages.isEmpty() && units.isEmpty());
    QCOMPARE(Language::instance()->language, int(LanguageCode::English));

    unit->setCurrentIndex(UnitCode::Imperial);
    QCOMPARE(GlobalData::instance()->unit, int(UnitCode::Imperial));
    language->setCurrentIndex(LanguageCode::Chinese);
    QCOMPARE(Language::instance()->language, int(LanguageCode::Chinese));
    QCOMPARE(languages.size(), 1);
    QCOMPARE(language->currentIndex(), int(LanguageCode::Chinese));
    unit->setCurrentIndex(UnitCode::Metric);
    QCOMPARE(units.size(), 2);
}

void SetupPageTest::autoSaveSwitchFollowsTheModel()
{
    auto *autoSave = page->findChild<SwitchButton *>();
    SetupModel *model = GlobalManager::instance()->setupModel;
    QSignalSpy changed(model, &SetupModel::isAutoSaveChanged);
    const bool before = GlobalData::instance()->isAutoSave;
    QTest::mouseClick(autoSave, Qt::LeftButton);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(GlobalData::instance()->isAutoSave, !before);
    QCOMPARE(autoSave->getChecked(), !before);
    model->setIsAutoSave(before);
    QCOMPARE(autoSave->getChecked(), before);
}

void SetupPageTest::serialNumberIsPlainText()
{
    emit PanelRig::link()->serialNumberRecved("<b>SN-1</b>");
    QCOMPARE(GlobalData::instance()->aboutInfo.equipmentSerialNumber, "<b>SN-1</b>");
    const QLabel *value = page->findChildren<LabelAndLabel *>().at(4)->findChildren<QLabel *>().at(1);
    QCOMPARE(value->text(), "<b>SN-1</b>");
    QCOMPARE(value->textFormat(), Qt::PlainText);
}

void SetupPageTest::tap(int times)
{
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(equipmentNameRow(page.get()), Qt::LeftButton);
}

void SetupPageTest::pauseStartsTheCountAgain()
{
    tap(4);
    QCOMPARE(page->tapCountSoFar(), 4);
    QTRY_COMPARE_WITH_TIMEOUT(page->tapCountSoFar(), 0, 5000);
    tap(1);
    QCOMPARE(page->tapCountSoFar(), 1);
    QVERIFY(!page->findChild<DeveloperModelDialog *>());
}

void SetupPageTest::fiveTapsOpenTheDeveloperDialog()
{
    tap(5);
    auto *dialog = page->findChild<DeveloperModelDialog *>();
    QVERIFY(dialog);
    QCOMPARE(dialogButton(dialog, 0)->text(), PanelRig::text("calibration"));
    // The count starts again as soon as the event loop runs.
    QTRY_COMPARE(page->tapCountSoFar(), 0);
    dialogButton(dialog, 1)->click();
    QTRY_VERIFY(!page->findChild<DeveloperModelDialog *>());
}

void SetupPageTest::developerConfirmWhileMeasuringSendsNothing()
{
    PanelRig::emitFlags({true, true, true, true, false, false, true});
    tap(5);
    auto *dialog = page->findChild<DeveloperModelDialog *>();
    QVERIFY(dialog);
    dialogButton(dialog, 0)->click();
    QCOMPARE(notices->count("theCurrentStateCannotBeCalibrated"), 1);
    QTRY_VERIFY(!page->findChild<DeveloperModelDialog *>());
    QVERIFY(!page->findChild<NeedleCalibrationDialog *>());
}

void SetupPageTest::developerConfirmOpensTheNeedleDialog()
{
    PanelRig::emitIdle();
    tap(5);
    dialogButton(page->findChild<DeveloperModelDialog *>(), 0)->click();
    auto *needle = page->findChild<NeedleCalibrationDialog *>();
    QVERIFY(needle);
    QCOMPARE(dialogButton(needle, 0)->text(), PanelRig::text("confirm"));
    dialogButton(needle, 1)->click();
    QTRY_VERIFY(!page->findChild<NeedleCalibrationDialog *>());
}

QTEST_MAIN(SetupPageTest)
#include "SetupPageTest.moc"
