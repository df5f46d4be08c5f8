#include "NoticeRecorder.h"
#include "PageFixture.h"
#include "TestWorkspace.h"

#include "AlertDialog.h"
#include "DeveloperModelDialog.h"
#include "GlobalManager.h"
#include "LabelAndLabel.h"
#include "MainTitleBar.h"
#include "MainWidget.h"
#include "MeasurePage.h"
#include "NetworkController.h"
#include "PushButton.h"
#include "TouchButton.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

#include <functional>
#include <memory>

using LinkSignal = std::function<void(NetworkController *)>;
Q_DECLARE_METATYPE(LinkSignal)

class MainWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void sizesAndScales();
    void pagesAreBuiltInPageOrder();
    void dataPageIsSearchedWhenItComesToTheFront();
    void setupPageAsksTheMeasurePage();
    void tapShowsThePageOnce();
    void pageFollowsEveryChange();
    void busyInstrumentLocksTheDataPages();
    void instrumentReportsBecomeNotices_data();
    void instrumentReportsBecomeNotices();
    void confirmedExitSavesAndCloses();
    void cancelledExitKeepsEverything();
    void failedSaveKeepsTheWindowOnce();
    void everyCloseSaves();
    void titleBarDragMovesTheWindow();

private:
    QList<PushButton *> navigationButtons() const;
    QStackedWidget *stack() const;
    AlertDialog *openExitDialog();
    static void answer(AlertDialog *dialog, bool confirm);
    QString configPath() const;

    TestWorkspace workspace;
    MainWidget *window = nullptr;
    std::unique_ptr<NoticeRecorder> notices;
};

void MainWidgetTest::initTestCase()
{
    QVERIFY(workspace.setUp());
    QVERIFY(preparePages(workspace.root));
}

void MainWidgetTest::cleanupTestCase()
{
    workspace.tearDown();
}

void MainWidgetTest::init()
{
    QFile::remove(configPath());
    GlobalData::instance()->setCurrentPage(PageIndex::Measure);
    window = new MainWidget;
    window->init();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    GlobalData::instance()->mainWindowRect = window->geometry();
    notices = std::make_unique<NoticeRecorder>();
}

void MainWidgetTest::cleanup()
{
    notices.reset();
    NetworkController *link = GlobalManager::instance()->networkController;
    emit link->moterMeasureStatusChanged(false);
    emit link->recvMeasureResultStatusChanged(false);
    emit link->calibrationStatusChanged(false);
    delete window;
    window = nullptr;
}

QString MainWidgetTest::configPath() const
{
    return GlobalConfig::instance()->systemConfigPath;
}

QList<PushButton *> MainWidgetTest::navigationButtons() const
{
    QList<PushButton *> buttons;
    for (PushButton *button : window->findChildren<PushButton *>()) {
        if (button->isCheckable() && button->size() == QSize(90, 80))
            buttons << button;
    }
    return buttons;
}

QStackedWidget *MainWidgetTest::stack() const
{
    for (QStackedWidget *each : window->findChildren<QStackedWidget *>()) {
        if (each->parentWidget() == window)
            return each;
    }
    return nullptr;
}

AlertDialog *MainWidgetTest::openExitDialog()
{
    auto *titleBar = window->findChild<MainTitleBar *>();
    PushButton *exitButton = titleBar->findChild<PushButton *>();
    QTest::mouseClick(exitButton, Qt::LeftButton);
    AlertDialog *dialog = nullptr;
    [&] {
        QTRY_VERIFY((dialog = window->findChild<AlertDialog *>()) && dialog->isVisible());
    }();
    return dialog;
}

void MainWidgetTest::answer(AlertDialog *dialog, bool confirm)
{
    const QList<TouchButton *> buttons = dialog->findChildren<TouchButton *>();
    QVERIFY(buttons.size() >= 2);
    QTest::mouseClick(buttons.at(confirm ? 0 : 1), Qt::LeftButton);
}

void MainWidgetTest::sizesAndScales()
{
    QCOMPARE(int(window->windowFlags() & ~Qt::Window), 0x2c800);
    QCOMPARE(window->size(), QSize(1280, 800));
    QCOMPARE(GlobalConfig::instance()->xScale, 1.0);
    QCOMPARE(GlobalConfig::instance()->yScale, 1.0);
    QCOMPARE(window->findChild<MainTitleBar *>()->height(), 45);
    const QList<PushButton *> buttons = navigationButtons();
    QCOMPARE(buttons.size(), 4);
    QCOMPARE(buttons.first()->parentWidget()->width(), 90);
    QCOMPARE(buttons.first()->iconSize(), QSize(50, 50));
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(qobject_cast<MeasurePage *>(stack()->widget(PageIndex::Measure)));
    QCOMPARE(stack()->currentIndex(), int(PageIndex::Measure));
    QVERIFY(buttons.at(PageIndex::Measure)->isChecked());
    for (PushButton *button : buttons) {
        QVERIFY(button->isEnabled());
        QVERIFY(!button->icon().isNull());
    }
}

void MainWidgetTest::pagesAreBuiltInPageOrder()
{
    const QStringList classes{"MeasurePage", "DataManagementPage", "shareFileView", "SetupPage"};
    QCOMPARE(stack()->count(), classes.size());
    for (int page = 0; page < classes.size(); ++page) {
        QWidget *widget = stack()->widget(page);
        QCOMPARE(QString(widget->metaObject()->className()), classes.at(page));
        // Built by its init before the window was shown.
        QVERIFY(widget->layout());
        QCOMPARE(widget->styleSheet(), classes.at(page) + " { background-color: rgb(242,242,242); }");
    }
}

void MainWidgetTest::dataPageIsSearchedWhenItComesToTheFront()
{
    GlobalData *data = GlobalData::instance();
    const QList<PushButton *> buttons = navigationButtons();
    QSignalSpy searches(data, &GlobalData::measureDataInfoListChanged);

    data->setCurrentPage(PageIndex::DataManagement);
    QCOMPARE(stack()->currentIndex(), int(PageIndex::DataManagement));
    QCOMPARE(searches.count(), 1);

    // A tap on the page already shown announces nothing and searches nothing.
    QTest::mouseClick(buttons.at(PageIndex::DataManagement), Qt::LeftButton);
    QCOMPARE(searches.count(), 1);

    // A bare announcement with another page stored runs the follower twice:
    // once for itself and once in the nested call the button's tap makes.
    data->currentPage = PageIndex::Setup;
    emit data->currentPageChanged(PageIndex::DataManagement);
    QCOMPARE(searches.count(), 3);

    // A locked page is not entered, but the shared list is still refreshed.
    data->setCurrentPage(PageIndex::Measure);
    emit GlobalManager::instance()->networkController->moterMeasureStatusChanged(true);
    searches.clear();
    emit data->currentPageChanged(PageIndex::DataManagement);
    QCOMPARE(stack()->currentIndex(), int(PageIndex::Measure));
    QCOMPARE(searches.count(), 1);
}

void MainWidgetTest::setupPageAsksTheMeasurePage()
{
    QTest::mouseClick(navigationButtons().at(PageIndex::Setup), Qt::LeftButton);
    QWidget *setupPage = stack()->currentWidget();
    // Five taps on the equipment name open the developer functions.
    LabelAndLabel *equipmentName = setupPage->findChildren<LabelAndLabel *>().at(2);
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(equipmentName, Qt::LeftButton);
    auto *dialog = window->findChild<DeveloperModelDialog *>();
    QVERIFY(dialog);
    // Without a unit the measure page refuses the calibration and says why.
    dialog->findChildren<TouchButton *>().at(0)->click();
    QCOMPARE(notices->count("theCurrentStateCannotBeCalibrated"), 1);
    QTRY_VERIFY(!window->findChild<DeveloperModelDialog *>());
}

void MainWidgetTest::tapShowsThePageOnce()
{
    GlobalData *data = GlobalData::instance();
    QSignalSpy pageChanged(data, &GlobalData::currentPageChanged);
    const QList<PushButton *> buttons = navigationButtons();
    for (int page : {PageIndex::Setup, PageIndex::InstrumentRecords, PageIndex::InstrumentRecords}) {
        QTest::mouseClick(buttons.at(page), Qt::LeftButton);
        QCOMPARE(stack()->currentIndex(), page);
        QCOMPARE(data->currentPage, page);
        for (int i = 0; i < buttons.size(); ++i)
            QCOMPARE(buttons.at(i)->isChecked(), i == page);
    }
    // The second tap on the shown page announces nothing.
    QCOMPARE(pageChanged.count(), 2);
}

void MainWidgetTest::pageFollowsEveryChange()
{
    GlobalData *data = GlobalData::instance();
    const QList<PushButton *> buttons = navigationButtons();
    data->setCurrentPage(PageIndex::DataManagement);
    QCOMPARE(stack()->currentIndex(), int(PageIndex::DataManagement));
    QVERIFY(buttons.at(PageIndex::DataManagement)->isChecked());

    // A bare announcement stores the page as well.
    data->currentPage = PageIndex::Setup;
    QSignalSpy pageChanged(data, &GlobalData::currentPageChanged);
    emit data->currentPageChanged(PageIndex::InstrumentRecords);
    QCOMPARE(data->currentPage, int(PageIndex::InstrumentRecords));
    QCOMPARE(stack()->currentIndex(), int(PageIndex::InstrumentRecords));
    QCOMPARE(pageChanged.count(), 2);

    // The control panel's announcement on a start, with the measure page shown.
    data->setCurrentPage(PageIndex::Measure);
    emit data->currentPageChanged(PageIndex::Measure);
    QCOMPARE(stack()->currentIndex(), int(PageIndex::Measure));
    QVERIFY(buttons.at(PageIndex::Measure)->isChecked());
}

void MainWidgetTest::busyInstrumentLocksTheDataPages()
{
    NetworkController *link = GlobalManager::instance()->networkController;
    const QList<PushButton *> buttons = navigationButtons();
    const auto locked = [&buttons] {
        return !buttons.at(PageIndex::DataManagement)->isEnabled() &&
               !buttons.at(PageIndex::InstrumentRecords)->isEnabled();
    };
    const auto unlocked = [&buttons] {
        return buttons.at(PageIndex::DataManagement)->isEnabled() &&
               buttons.at(PageIndex::InstrumentRecords)->isEnabled();
    };
    emit link->moterMoveStatusChanged(true);
    emit link->networkConnectStatusChanged(true);
    QVERIFY(unlocked());
    emit link->moterMeasureStatusChanged(true);
    QVERIFY(locked());
    emit link->recvMeasureResultStatusChanged(true);
    emit link->moterMeasureStatusChanged(false);
    QVERIFY(locked());

    // A locked page cannot be entered, whoever asks.
    GlobalData::instance()->setCurrentPage(PageIndex::DataManagement);
    QCOMPARE(stack()->currentIndex(), int(PageIndex::Measure));
    GlobalData::instance()->setCurrentPage(PageIndex::Measure);

    emit link->recvMeasureResultStatusChanged(false);
    QVERIFY(unlocked());
    emit link->calibrationStatusChanged(true);
    QVERIFY(locked());
    QVERIFY(buttons.at(PageIndex::Measure)->isEnabled() && buttons.at(PageIndex::Setup)->isEnabled());
    emit link->calibrationStatusChanged(false);
    QVERIFY(unlocked());
    emit link->moterMoveStatusChanged(false);
}

void MainWidgetTest::instrumentReportsBecomeNotices_data()
{
    QTest::addColumn<LinkSignal>("report");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("count");
    QTest::newRow("speed calibrated") << LinkSignal([](NetworkController *link) {
        emit link->calibrationSpeedCompleteRecved();
    }) << "speedCalibrationCompleted" << 1;
    QTest::newRow("calibrated") << LinkSignal([](NetworkController *link) {
        emit link->currentCalibrationStatusChanged(true);
    }) << "equipmentNotCalibrated"
                                << 0;
    QTest::newRow("not calibrated, twice") << LinkSignal([](NetworkController *link) {
        emit link->currentCalibrationStatusChanged(false);
        emit link->currentCalibrationStatusChanged(false);
    }) << "equipmentNotCalibrated" << 2;
    QTest::newRow("motor speed error") << LinkSignal([](NetworkController *link) {
        emit link->motorSpeedError();
    }) << "motorSpeedError" << 1;
    QTest::newRow("stopped") << LinkSignal([](NetworkController *link) {
        emit link->stopMeasurement();
    }) << "measurementStoped" << 1;
}

void MainWidgetTest::instrumentReportsBecomeNotices()
{
    QFETCH(LinkSignal, report);
    QFETCH(QString, key);
    QFETCH(int, count);
    report(GlobalManager::instance()->networkController);
    QCOMPARE(notices->count(key.toLatin1().constData()), count);
}

void MainWidgetTest::confirmedExitSavesAndCloses()
{
    answer(openExitDialog(), true);
    QVERIFY(QFileInfo::exists(configPath()));
    QVERIFY(!window->isVisible());
    QCOMPARE(notices->count("saveFailed"), 0);
}

void MainWidgetTest::cancelledExitKeepsEverything()
{
    AlertDialog *dialog = openExitDialog();
    QPointer<AlertDialog> alive(dialog);
    answer(dialog, false);
    QTRY_VERIFY(!alive);
    QVERIFY(window->isVisible());
    QVERIFY(!QFileInfo::exists(configPath()));
}

void MainWidgetTest::failedSaveKeepsTheWindowOnce()
{
    // A plain file where the folder should be: no permission bits involved,
    // so the write fails for root as well.
    const QString folder = GlobalConfig::instance()->fileInfoDir;
    QVERIFY(QDir(folder).removeRecursively());
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    answer(openExitDialog(), true);
    QVERIFY(window->isVisible());
    QCOMPARE(notices->count("saveFailed"), 1);

    // Told once, the operator may leave all the same.
    answer(openExitDialog(), true);
    QVERIFY(!window->isVisible());

    QVERIFY(QFile::remove(folder));
    QVERIFY(QDir().mkpath(folder));
}

void MainWidgetTest::everyCloseSaves()
{
    // The window manager's close or Alt+F4, without the dialog.
    QVERIFY(window->close());
    QVERIFY(QFileInfo::exists(configPath()));
}

void MainWidgetTest::titleBarDragMovesTheWindow()
{
    auto *titleBar = window->findChild<MainTitleBar *>();
    QSignalSpy moved(titleBar, &MainTitleBar::windowPositionChanged);
    const QPoint start = window->pos();
    const QPoint grip(400, 20);

    QTest::mousePress(titleBar, Qt::RightButton, Qt::NoModifier, grip);
    QTest::mouseMove(titleBar, grip + QPoint(30, 0));
    QTest::mouseRelease(titleBar, Qt::RightButton, Qt::NoModifier, grip + QPoint(30, 0));
    QCOMPARE(moved.count(), 0);

    QTest::mousePress(titleBar, Qt::LeftButton, Qt::NoModifier, grip);
    QMouseEvent move(QEvent::MouseMove, grip + QPoint(40, 25), titleBar->mapToGlobal(grip + QPoint(40, 25)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(titleBar, &move);
    QTest::mouseRelease(titleBar, Qt::LeftButton, Qt::NoModifier, grip + QPoint(40, 25));
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.first().first().toPoint(), start + QPoint(40, 25));
    QTRY_COMPARE(window->pos(), start + QPoint(40, 25));
    QCOMPARE(GlobalData::instance()->mainWindowRect, window->geometry());
}

QTEST_MAIN(MainWidgetTest)
#include "MainWidgetTest.moc"
