#include "NeedleLink.h"

#include "DriveUnit.h"
#include "FrameStream.h"
#include "GlobalData.h"
#include "Language.h"
#include "PortList.h"
#include "ProtocolFrame.h"
#include "ProtocolIds.h"
#include "PseudoTerminal.h"
#include "SensorIndicator.h"

#include <QDir>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace NeedleLink;

namespace {

// A drive unit in this process behind a pseudo-terminal, announced where the
// port list looks; it keeps every frame the host sends.
struct UnitOnPort {
    explicit UnitOnPort(const QString &folder)
    {
        DriveUnit::Timing timing;
        timing.calibrationMs = 50;
        unit.setTiming(timing);
        QObject::connect(&terminal, &PseudoTerminal::bytesReceived, &unit, &DriveUnit::receive);
        QObject::connect(&unit, &DriveUnit::bytesOut, &terminal, &PseudoTerminal::write);
        QObject::connect(&terminal, &PseudoTerminal::bytesReceived, &terminal, [this](const QByteArray &bytes) {
            buffer += bytes;
            for (const QByteArray &candidate : takeFrameCandidates(buffer)) {
                ProtocolFrame frame;
                parseFrame(frame, candidate);
                frames << frame;
            }
        });
        announced = terminal.open() && terminal.announce(folder, "needle-unit");
    }

    QList<ProtocolFrame> framesOf(quint8 type) const
    {
        QList<ProtocolFrame> found;
        for (const ProtocolFrame &frame : frames) {
            if (frame.functionType == type)
                found << frame;
        }
        return found;
    }

    DriveUnit unit;
    PseudoTerminal terminal;
    QByteArray buffer;
    QList<ProtocolFrame> frames;
    bool announced = false;
};

// The mode byte of a start-calibration command.
constexpr int kModeIndex = kPayloadPrefixSize;

}

class NeedleCalibrationTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void positionsShowOnGaugeAndVoltage_data();
    void positionsShowOnGaugeAndVoltage();
    void openingTakesOverThePollAndCancelHandsItBack();
    void refusalKeepsTheDialogAcceptanceCalibrates();
    void dialogGoneAnyOtherWayRestartsTheLinkPoll_data();
    void dialogGoneAnyOtherWayRestartsTheLinkPoll();

private:
    void ensureLink();

    QTemporaryDir root;
    QTemporaryDir announceFolder;
    std::unique_ptr<DebugLines> debugLines;
    NetworkController *link = nullptr;
    std::unique_ptr<UnitOnPort> unit;
    QWidget *window = nullptr;
};

void NeedleCalibrationTest::initTestCase()
{
    QVERIFY(root.isValid() && announceFolder.isValid());
    QVERIFY(QDir::setCurrent(root.path()));
    PortList::setAnnounceFolder(announceFolder.path());
    Language::instance()->setLanguage(1);
    // After the test framework's own handler, so the lines reach this one.
    debugLines = std::make_unique<DebugLines>();
    link = GlobalManager::instance()->networkController;
    link->setIntervals(shortIntervals());
    link->init();
}

void NeedleCalibrationTest::init()
{
    window = new QWidget;
    window->resize(1280, 800);
    window->show();
    GlobalData::instance()->mainWindowRect = QRect(0, 0, 1280, 800);
    GlobalData::instance()->noticeContainer.setParentWidget(window);
}

void NeedleCalibrationTest::cleanup()
{
    GlobalData::instance()->noticeContainer.setParentWidget(nullptr);
    delete window;
}

void NeedleCalibrationTest::cleanupTestCase()
{
    GlobalData::instance()->noticeContainer.release();
    unit.reset();
    debugLines.reset();
}

void NeedleCalibrationTest::ensureLink()
{
    if (!unit) {
        unit = std::make_unique<UnitOnPort>(announceFolder.path());
        QVERIFY(unit->announced);
    }
    QTRY_VERIFY_WITH_TIMEOUT(link->moterConnectStatus, 10000);
}

void NeedleCalibrationTest::positionsShowOnGaugeAndVoltage_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("gauge");
    QTest::addColumn<QString>("voltage");
    QTest::newRow("middle") << 30000 << 0.0 << "0.000V";
    QTest::newRow("bottom") << 0 << -500.0 << "-1.820V";
    QTest::newRow("top, beyond the scale") << 65535 << 500.0 << "2.156V";
    QTest::newRow("three quarters") << 45000 << 250.0 << "0.910V";
}

// Runs before the unit is there, so no answer of the unit's own interferes.
void NeedleCalibrationTest::positionsShowOnGaugeAndVoltage()
{
    QFETCH(int, position);
    QFETCH(double, gauge);
    QFETCH(QString, voltage);
    QVERIFY(!link->moterConnectStatus);
    NeedleCalibrationDialog *dialog = open(window);
    QCOMPARE(voltageText(dialog), QString("0V"));
    emit link->responseNeedlePosition(1.0f, position);
    QCOMPARE(voltageText(dialog), voltage);
    QTRY_COMPARE(dialog->findChild<SensorIndicator *>()->value(), gauge);
    dialog->close();
}

void NeedleCalibrationTest::openingTakesOverThePollAndCancelHandsItBack()
{
    ensureLink();
    QSignalSpy linkPoll(link, &NetworkController::needlePosition);
    QVERIFY(linkPoll.wait(5000));

    QPointer<NeedleCalibrationDialog> dialog = open(window);
    QPointer<QWidget> mask = dialog->parentWidget();
    QVERIFY(!linkPollSwitchedOn());
    QVERIFY(ownPoll(dialog)->isActive());
    const int requestsBefore = unit->framesOf(FunctionType::RequestNeedlePosition).size();
    QTRY_VERIFY_WITH_TIMEOUT(unit->framesOf(FunctionType::RequestNeedlePosition).size() > requestsBefore, 5000);
    QTRY_COMPARE(voltageText(dialog), QString("0.168V"));

    QTest::mouseClick(button(dialog, 1), Qt::LeftButton);
    QVERIFY(linkPollSwitchedOn());
    QTRY_VERIFY(!dialog && !mask);
    linkPoll.clear();
    QVERIFY(linkPoll.wait(5000));
    QVERIFY(unit->framesOf(FunctionType::ConfirmNeedlePosition).isEmpty());
    QVERIFY(unit->framesOf(FunctionType::StartCalibration).isEmpty());
}

void NeedleCalibrationTest::refusalKeepsTheDialogAcceptanceCalibrates()
{
    ensureLink();
    const QString failed = Language::instance()->text("voltageValueCalibrationFailed");
    const QString succeeded = Language::instance()->text("voltageValueCalibrationSucceeded");
    QSignalSpy answers(link, &NetworkController::confirmNeedlePosition);
    QPointer<NeedleCalibrationDialog> dialog = open(window);
    QPointer<QWidget> mask = dialog->parentWidget();

    QTest::mouseClick(button(dialog, 0), Qt::LeftButton);
    QVERIFY(!ownPoll(dialog)->isActive());
    QTest::mouseClick(button(dialog, 0), Qt::LeftButton);

    // Refused before the unit's own answers come in.
    emit link->confirmNeedlePosition(false);
    QVERIFY(dialog);
    QVERIFY(ownPoll(dialog)->isActive());
    QVERIFY(!linkPollSwitchedOn());
    QTRY_COMPARE(noticeTexts(dialog), QStringList{failed});

    // The unit accepts both requests; only the first answer counts.
    QTRY_VERIFY_WITH_TIMEOUT(!dialog && !mask, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 3, 5000);
    QCOMPARE(unit->framesOf(FunctionType::ConfirmNeedlePosition).size(), 2);
    QTRY_COMPARE(noticeTexts(window), QStringList{succeeded});
    QVERIFY(!noticeTexts(window).contains(failed));
    // Whatever the answers queued is in once a later command has arrived.
    const int markers = unit->framesOf(FunctionType::CalibrationStatus).size();
    link->requestCalibrationStatus();
    QTRY_VERIFY_WITH_TIMEOUT(unit->framesOf(FunctionType::CalibrationStatus).size() > markers, 5000);
    QCOMPARE(unit->framesOf(FunctionType::StartCalibration).size(), 1);
    QCOMPARE(quint8(unit->framesOf(FunctionType::StartCalibration).first().payload.at(kModeIndex)), quint8(0));
    QVERIFY(linkPollSwitchedOn());
    QSignalSpy linkPoll(link, &NetworkController::needlePosition);
    QVERIFY(linkPoll.wait(5000));
}

void NeedleCalibrationTest::dialogGoneAnyOtherWayRestartsTheLinkPoll_data()
{
    QTest::addColumn<bool>("deletePage");
    QTest::newRow("page deleted") << true;
    QTest::newRow("closed by the window manager") << false;
}

void NeedleCalibrationTest::dialogGoneAnyOtherWayRestartsTheLinkPoll()
{
    QFETCH(bool, deletePage);
    ensureLink();
    auto *page = new QWidget(window);
    QPointer<NeedleCalibrationDialog> dialog = open(page);
    QVERIFY(!linkPollSwitchedOn());
    if (deletePage)
        delete page;
    else
        dialog->close();
    QTRY_VERIFY(!dialog);
    QVERIFY(linkPollSwitchedOn());
    QSignalSpy linkPoll(link, &NetworkController::needlePosition);
    QVERIFY(linkPoll.wait(5000));
}

QTEST_MAIN(NeedleCalibrationTest)
#include "NeedleCalibrationTest.moc"
