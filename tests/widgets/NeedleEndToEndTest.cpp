#include "NeedleLink.h"

#include "GlobalData.h"
#include "Language.h"
#include "PortList.h"
#include "SensorIndicator.h"
#include "SimulatorProcess.h"

#include <QDir>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace NeedleLink;

class NeedleEndToEndTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void idleNeedleShowsAndConfirmCalibrates();

private:
    QTemporaryDir root;
    QTemporaryDir announceFolder;
    SimulatorProcess simulator;
};

void NeedleEndToEndTest::initTestCase()
{
    QVERIFY(root.isValid() && announceFolder.isValid());
    QVERIFY(QDir::setCurrent(root.path()));
    PortList::setAnnounceFolder(announceFolder.path());
    Language::instance()->setLanguage(1);

    QVERIFY(simulator.start("needle-e2e", {}));

    NetworkController *link = GlobalManager::instance()->networkController;
    link->setIntervals(shortIntervals());
    link->init();
    QTRY_VERIFY_WITH_TIMEOUT(link->moterConnectStatus, 10000);
}

void NeedleEndToEndTest::cleanupTestCase()
{
    GlobalData::instance()->noticeContainer.release();
    simulator.stop();
}

void NeedleEndToEndTest::idleNeedleShowsAndConfirmCalibrates()
{
    QWidget window;
    window.resize(1280, 800);
    window.show();
    GlobalData::instance()->mainWindowRect = QRect(0, 0, 1280, 800);
    GlobalData::instance()->noticeContainer.setParentWidget(&window);

    QPointer<NeedleCalibrationDialog> dialog = open(&window);
    QPointer<QWidget> mask = dialog->parentWidget();
    // The idle needle of the unit stands at 32768 counts.
    QTRY_COMPARE_WITH_TIMEOUT(voltageText(dialog), QString("0.168V"), 5000);
    QTRY_COMPARE(dialog->findChild<SensorIndicator *>()->value(), 46.0);

    QTest::mouseClick(button(dialog, 0), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog && !mask, 5000);
    QTRY_VERIFY(noticeTexts(&window).contains(Language::instance()->text("voltageValueCalibrationSucceeded")));
    GlobalData::instance()->noticeContainer.setParentWidget(nullptr);
}

QTEST_MAIN(NeedleEndToEndTest)
#include "NeedleEndToEndTest.moc"
