#include "ProcessTree.h"
#include "ProgramCopy.h"
#include "SimulatorProcess.h"
#include "XScreen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <memory>

namespace {

constexpr int kStartTimeoutMs = 60000;
constexpr int kScreenTimeoutMs = 20000;
// The known layout: a 1280x800 window at the origin, its exit button at the
// right end of the 45-pixel title bar, the navigation column on the left, and
// dialogs 485 pixels wide in the middle; an alert's buttons share the card's
// width inside 60 pixels of margin and stand 60 pixels above its bottom.
const QPoint kExitButton(1240, 22);
const QPoint kDataPageButton(45, 170);
constexpr int kCardLeft = (1280 - 485) / 2;
constexpr int kCardWidth = 485;
constexpr int kConfirmX = kCardLeft + 60 + 86;
constexpr int kCancelX = kCardLeft + kCardWidth - 60 - 86;
constexpr int kButtonAboveCardBottom = 85;

}

// The program itself on an X server without window manager or compositor, as
// on the instrument's touch panel, beside the simulator; every tap comes from
// outside as a real X event.
class ProgramExitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void exitDialogDimsTheWindowAndAnswersTaps();

private:
    bool programHasTheUnitOpen() const;
    QImage awaitCard(QRect &card);

    ProgramCopy copy;
    QString workFolder;
    SimulatorProcess simulator;
    std::unique_ptr<QProcess> program;
};

void ProgramExitTest::initTestCase()
{
    QVERIFY(copy.setUp(ORLIMO_PROGRAM));
    workFolder = copy.root.filePath("work");
    QVERIFY(QDir().mkpath(workFolder));
    // The simulator announces its port in the program's temporary folder.
    qputenv("TMPDIR", copy.root.filePath("tmp").toLocal8Bit());
    QVERIFY(simulator.start("bare-x", {}));

    copy.environment.insert("QT_QPA_PLATFORM", "xcb");
    program = std::make_unique<QProcess>();
    program->setProcessEnvironment(copy.environment);
    program->setWorkingDirectory(workFolder);
    program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program->setStandardOutputFile(QProcess::nullDevice());
    program->start(copy.program, QStringList());
    QVERIFY(program->waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(XScreen::showsWindow(program->processId()), kStartTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(programHasTheUnitOpen(), kStartTimeoutMs);
    QVERIFY(ProcessTree::runsWithoutOpenGlDriver(program->processId()));
}

void ProgramExitTest::cleanupTestCase()
{
    if (program && program->state() != QProcess::NotRunning) {
        program->kill();
        program->waitForFinished();
    }
    simulator.stop();
}

bool ProgramExitTest::programHasTheUnitOpen() const
{
    const QString terminal = QFileInfo(simulator.announcedPath).symLinkTarget();
    const QDir descriptors(QString("/proc/%1/fd").arg(program->processId()));
    for (const QFileInfo &descriptor : descriptors.entryInfoList(QDir::System | QDir::NoDotAndDotDot)) {
        if (descriptor.symLinkTarget() == terminal)
            return true;
    }
    return false;
}

// The screen once it shows a dialog's card, found by its white left margin,
// or a null image; 12 pixels in from its edge the rounded corners take two
// rows off the top and the bottom.
QImage ProgramExitTest::awaitCard(QRect &card)
{
    return XScreen::awaitScreen(kScreenTimeoutMs, [&](const QImage &screen) {
        const QRect column = XScreen::whiteColumn(screen, kCardLeft + 12, 400, kCardWidth);
        card = column.translated(-12, 0).adjusted(0, -2, 0, 2);
        return column.height() >= 250;
    });
}

void ProgramExitTest::exitDialogDimsTheWindowAndAnswersTaps()
{
    const QImage window = XScreen::steadyScreen(kScreenTimeoutMs);
    QVERIFY(XScreen::shareOfGrid(window, window, QRect(), [](QRgb pixel, QRgb) {
                return qGray(pixel) > 40;
            }) > 0.5);

    QVERIFY(XScreen::tap(kExitButton));
    QRect card;
    const QImage dialog = awaitCard(card);
    QVERIFY2(!dialog.isNull(), "no dialog card on the screen");
    QVERIFY2(XScreen::isDimmedAround(window, dialog, card), "the window behind the dialog is not dimmed to 70 %");
    // The rounded corner shows the dimmed window, not black and not white.
    const QPoint corner = card.topLeft() + QPoint(1, 1);
    QVERIFY(XScreen::isDimmed(window.pixel(corner), dialog.pixel(corner)));

    // A tap beside the card reaches nothing; Cancel brings the window back
    // as it was, on the same page.
    QVERIFY(XScreen::tap(kDataPageButton));
    QVERIFY(XScreen::tap(QPoint(kCancelX, card.bottom() - kButtonAboveCardBottom)));
    QTRY_VERIFY_WITH_TIMEOUT(XScreen::isBack(window), kScreenTimeoutMs);
    QCOMPARE(program->state(), QProcess::Running);

    // Confirm ends the program, which writes its configuration on the way.
    const QString config = workFolder + "/file/FileInfo/SystemConfig.json";
    QFile::remove(config);
    QVERIFY(XScreen::tap(kExitButton));
    QRect again;
    QVERIFY2(!awaitCard(again).isNull(), "no dialog card on the screen");
    QVERIFY(XScreen::tap(QPoint(kConfirmX, again.bottom() - kButtonAboveCardBottom)));
    QTRY_COMPARE_WITH_TIMEOUT(program->state(), QProcess::NotRunning, kStartTimeoutMs);
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
    QVERIFY(QFileInfo(config).size() > 0);
}

QTEST_MAIN(ProgramExitTest)
#include "ProgramExitTest.moc"
