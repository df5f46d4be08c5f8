#include "KeyedButton.h"
#include "ProgramWindow.h"
#include "SimulatorLink.h"
#include "StartedWindow.h"
#include "TestWorkspace.h"
#include "WidgetTaps.h"
#include "XScreen.h"

#include "AlertDialog.h"
#include "ButtonsWidget.h"
#include "CheckBox.h"
#include "DataManagementPage.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "LineEdit.h"
#include "MainWidget.h"
#include "NetworkController.h"
#include "Notice.h"
#include "RenameDialog.h"
#include "SaveFileDialog.h"
#include "SetupWidget.h"
#include "TableWidget.h"
#include "TouchKeyboard.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

using namespace WidgetTaps;

namespace {

constexpr int kLinkTimeoutMs = 20000;
constexpr int kRunTimeoutMs = 60000;
constexpr int kScreenTimeoutMs = 20000;

// Confirm first, then cancel.
TouchButton *dialogButtonAt(QWidget *dialog, int index)
{
    return dialog->findChildren<TouchButton *>().at(index);
}

}

// The save, rename and delete dialogs of the program brought up by its
// start-up sequence on an X server without window manager or compositor,
// beside the simulator program. Every tap is a real X event from xdotool;
// the widgets only say where to tap.
class DialogTapsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void saveDialogAnswersTaps();
    void renameAndDeleteDialogsAnswerTaps();

private:
    template <typename T> T *openDialog();
    QImage quietScreen();
    void checkDimmedAround(const QImage &before, QWidget *dialog);
    QString storedFile(const QString &name) const;

    TestWorkspace workspace;
    SimulatorLink simulators{"bare-x"};
    SimulatorProcess simulator;
    MainWidget *window = nullptr;
    QString savedName;
};

void DialogTapsTest::initTestCase()
{
    QVERIFY(workspace.setUp());
    QVERIFY(simulators.setUp());
    // Keyboard windows are not what these taps are about.
    TouchKeyboard::instance()->setProgram("orlimo-no-keyboard");
    GlobalManager *manager = GlobalManager::instance();
    window = startProgramWindow();
    QVERIFY2(window, "the main window is not shown, or is drawn through an OpenGL driver");

    NetworkController *link = manager->networkController;
    QVERIFY(simulators.start(simulator, {}));
    QTRY_VERIFY_WITH_TIMEOUT(link->moterConnectStatus, kLinkTimeoutMs);
    QSignalSpy profiles(GlobalData::instance(), &GlobalData::measureDataListChanged);
    link->startMeasurement();
    QTRY_COMPARE_WITH_TIMEOUT(profiles.size(), 1, kRunTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!link->moterMeasureStatus && !link->recvMeasureResultStatus, kRunTimeoutMs);
}

void DialogTapsTest::cleanupTestCase()
{
    simulator.stop();
    destroyStartedWindow();
    workspace.tearDown();
}

// The screen with no notice on it, once two grabs half a second apart agree.
QImage DialogTapsTest::quietScreen()
{
    return XScreen::steadyScreen(kScreenTimeoutMs, [this] {
        for (Notice *notice : window->findChildren<Notice *>()) {
            if (notice->isVisible())
                return true;
        }
        return false;
    });
}

template <typename T> T *DialogTapsTest::openDialog()
{
    T *dialog = nullptr;
    const bool shown = QTest::qWaitFor(
        [&] {
            dialog = window->findChild<T *>();
            return dialog && dialog->isVisible();
        },
        kScreenTimeoutMs);
    return shown ? dialog : nullptr;
}

// The dialog's card white in the middle of the screen, everything around it
// the window's colours at 70 %, its rounded corners included.
void DialogTapsTest::checkDimmedAround(const QImage &before, QWidget *dialog)
{
    const QRect card = globalRect(dialog);
    QCOMPARE(card.center().x(), globalRect(window).center().x());
    // The X server shows the dialog once the program has painted it.
    const QImage shown = XScreen::awaitScreen(kScreenTimeoutMs, [&](const QImage &screen) {
        return XScreen::isDimmedAround(before, screen, card);
    });
    QVERIFY2(!shown.isNull(), "the window behind the dialog is not dimmed to 70 %");
    QVERIFY(XScreen::isWhite(shown.pixel(card.topLeft() + QPoint(12, 100))));
    const QPoint corner = card.topLeft() + QPoint(1, 1);
    QVERIFY(XScreen::isDimmed(before.pixel(corner), shown.pixel(corner)));
}

QString DialogTapsTest::storedFile(const QString &name) const
{
    return GlobalConfig::instance()->dataStorageDir + "/" + name + ".json";
}

void DialogTapsTest::saveDialogAnswersTaps()
{
    auto *panel = window->findChild<SetupWidget *>();
    TouchButton *saveButton = panel->findChildren<TouchButton *>().at(0);
    const QList<PushButton *> navigation = navigationButtons(window);
    QCOMPARE(navigation.size(), 4);
    const QImage before = quietScreen();

    QVERIFY(tap(saveButton));
    SaveFileDialog *dialog = openDialog<SaveFileDialog>();
    QVERIFY(dialog);
    checkDimmedAround(before, dialog);
    if (QTest::currentTestFailed())
        return;
    // A tap on the data page's navigation button behind the card reaches
    // nothing; Cancel gives the window back as it was.
    QVERIFY(tap(navigation.at(PageIndex::DataManagement)));
    QVERIFY(tap(dialogButtonAt(dialog, 1)));
    QTRY_VERIFY_WITH_TIMEOUT(!window->findChild<SaveFileDialog *>(), kScreenTimeoutMs);
    QCOMPARE(GlobalData::instance()->currentPage, int(PageIndex::Measure));
    QTRY_VERIFY_WITH_TIMEOUT(XScreen::isBack(before), kScreenTimeoutMs);

    QVERIFY(tap(saveButton));
    dialog = openDialog<SaveFileDialog>();
    QVERIFY(dialog);
    savedName = dialog->findChildren<QLineEdit *>().at(0)->text();
    QVERIFY(!savedName.isEmpty());
    QVERIFY(tap(dialogButtonAt(dialog, 0)));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(storedFile(savedName)), kScreenTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!window->findChild<SaveFileDialog *>(), kScreenTimeoutMs);

    QVERIFY(tap(navigation.at(PageIndex::DataManagement)));
    QTRY_COMPARE_WITH_TIMEOUT(GlobalData::instance()->currentPage, int(PageIndex::DataManagement), kScreenTimeoutMs);
}

void DialogTapsTest::renameAndDeleteDialogsAnswerTaps()
{
    QVERIFY(!savedName.isEmpty());
    auto *page = window->findChild<DataManagementPage *>();
    auto *table = page->findChild<TableWidget *>();
    auto *toolbar = page->findChild<ButtonsWidget *>();
    QTRY_VERIFY_WITH_TIMEOUT(page->isVisible() && table->rowCount() == 1, kScreenTimeoutMs);
    QVERIFY(tap(table->cellWidget(0, 0)->findChild<CheckBox *>()));
    TouchButton *renameButton = keyedButton(toolbar, "rename");
    QTRY_VERIFY_WITH_TIMEOUT(renameButton->isEnabled(), kScreenTimeoutMs);
    const QImage before = quietScreen();

    // The new name typed on the keyboard lands in the dialog's field, which
    // took the keyboard from the page's search box behind.
    QVERIFY(tap(renameButton));
    RenameDialog *rename = openDialog<RenameDialog>();
    QVERIFY(rename);
    checkDimmedAround(before, rename);
    if (QTest::currentTestFailed())
        return;
    auto *edit = rename->findChild<LineEdit *>();
    QSignalSpy editTaps(edit, &LineEdit::clicked);
    QVERIFY(tap(edit));
    QTRY_COMPARE_WITH_TIMEOUT(editTaps.size(), 1, kScreenTimeoutMs);
    QVERIFY(edit->hasFocus());
    QVERIFY(XScreen::xdotool({"key", "ctrl+a", "BackSpace"}));
    QVERIFY(XScreen::xdotool({"type", "tapped"}));
    QTRY_COMPARE_WITH_TIMEOUT(edit->text(), QString("tapped"), kScreenTimeoutMs);
    QVERIFY(tap(dialogButtonAt(rename, 0)));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(storedFile("tapped")), kScreenTimeoutMs);
    QVERIFY(!QFile::exists(storedFile(savedName)));
    QTRY_VERIFY_WITH_TIMEOUT(!window->findChild<RenameDialog *>(), kScreenTimeoutMs);

    // Delete: Cancel keeps the file, Confirm removes it.
    TouchButton *deleteButton = keyedButton(toolbar, "delete");
    QTRY_COMPARE_WITH_TIMEOUT(table->item(0, 2) ? table->item(0, 2)->text() : QString(), QString("tapped"),
                              kScreenTimeoutMs);
    if (!table->cellWidget(0, 0)->findChild<CheckBox *>()->isChecked())
        QVERIFY(tap(table->cellWidget(0, 0)->findChild<CheckBox *>()));
    const QImage listed = quietScreen();
    QVERIFY(tap(deleteButton));
    AlertDialog *question = openDialog<AlertDialog>();
    QVERIFY(question);
    checkDimmedAround(listed, question);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(tap(dialogButtonAt(question, 1)));
    QTRY_VERIFY_WITH_TIMEOUT(!window->findChild<AlertDialog *>(), kScreenTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(XScreen::isBack(listed), kScreenTimeoutMs);
    QVERIFY(QFile::exists(storedFile("tapped")));

    QVERIFY(tap(deleteButton));
    question = openDialog<AlertDialog>();
    QVERIFY(question);
    QVERIFY(tap(dialogButtonAt(question, 0)));
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(storedFile("tapped")), kScreenTimeoutMs);
}

QTEST_MAIN(DialogTapsTest)
#include "DialogTapsTest.moc"
