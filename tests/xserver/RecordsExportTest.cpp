#include "KeyedButton.h"
#include "OnboardScreen.h"
#include "ProgramWindow.h"
#include "SimulatorLink.h"
#include "StartedWindow.h"
#include "TestWorkspace.h"
#include "WidgetTaps.h"
#include "XScreen.h"

#include "CheckBox.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "MainWidget.h"
#include "NetworkController.h"
#include "TableWidget.h"
#include "sharedDataControlView.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTimer>
#include <QtTest>

using namespace WidgetTaps;

namespace {

constexpr int kLinkTimeoutMs = 20000;
constexpr int kRunTimeoutMs = 120000;
constexpr int kScreenTimeoutMs = 20000;

QFileDialog *shownFileDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        if (dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

}

// The records page's export on an X server with no window manager, beside
// the simulator program, with the real on-screen keyboard: every step is a
// real tap from xdotool, the file name included, which the operator types on
// the keyboard that the tap in Qt's save dialog brings up.
class RecordsExportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void exportTakesANameTypedOnTheKeyboard();

private:
    void typeNameAndSave(QFileDialog *dialog);
    void fail(QFileDialog *dialog, const QString &why);

    TestWorkspace workspace;
    QTemporaryDir exportFolder;
    SimulatorLink simulators{"records-x"};
    SimulatorProcess simulator;
    MainWidget *window = nullptr;
    bool dialogDone = false;
    QString dialogFailure;
};

void RecordsExportTest::initTestCase()
{
    QVERIFY(workspace.setUp());
    QVERIFY(exportFolder.isValid());
    QVERIFY(simulators.setUp());
    window = startProgramWindow();
    QVERIFY2(window, "the main window is not shown, or is drawn through an OpenGL driver");
    QVERIFY(simulators.start(simulator, {}));
    QTRY_VERIFY_WITH_TIMEOUT(SimulatorLink::link()->networkConnectStatus, kLinkTimeoutMs);
}

void RecordsExportTest::cleanupTestCase()
{
    simulator.stop();
    destroyStartedWindow();
    workspace.tearDown();
}

void RecordsExportTest::fail(QFileDialog *dialog, const QString &why)
{
    dialogFailure = why;
    dialog->reject();
}

// Runs inside the save dialog's own event loop, which holds the test's wait
// until the dialog closes.
void RecordsExportTest::typeNameAndSave(QFileDialog *dialog)
{
    // Where the operator would browse to with taps; the folder is not what
    // this test is about.
    dialog->setDirectory(exportFolder.path());
    auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
    auto *buttons = dialog->findChild<QDialogButtonBox *>("buttonBox");
    QPushButton *save = buttons ? buttons->button(QDialogButtonBox::Save) : nullptr;
    if (!name || !save)
        return fail(dialog, "the save dialog has no file name field or Save button");
    if (!QTest::qWaitForWindowExposed(dialog))
        return fail(dialog, "the save dialog is not shown");

    const QPoint field = centreOf(name);
    QRect keyboard;
    if (!OnboardScreen::tapUntil(field, nullptr, [&keyboard] { return OnboardScreen::keyboardShown(keyboard); }))
        return fail(dialog, "a tap in the file name brings up no keyboard");
    if (keyboard.intersects(globalRect(name)) || keyboard.intersects(globalRect(save)))
        return fail(dialog, "the keyboard covers the file name or Save");

    QString typed;
    for (const auto &[place, letter] : {std::pair{&OnboardScreen::KeyQ, 'q'}, std::pair{&OnboardScreen::KeyW, 'w'},
                                       std::pair{&OnboardScreen::KeyE, 'e'}}) {
        typed += QLatin1Char(letter);
        if (!OnboardScreen::tapUntil(field, place, [name, typed] { return name->text() == typed; }))
            return fail(dialog, QString("keys on the keyboard did not type \"%1\": the field holds \"%2\"")
                                    .arg(typed, name->text()));
    }
    if (!save->isEnabled())
        return fail(dialog, "Save stays disabled with a name typed");
    tap(save);
}

void RecordsExportTest::exportTakesANameTypedOnTheKeyboard()
{
    const QList<PushButton *> navigation = navigationButtons(window);
    QCOMPARE(navigation.size(), 4);
    QVERIFY(tap(navigation.at(PageIndex::InstrumentRecords)));
    QTRY_COMPARE_WITH_TIMEOUT(GlobalData::instance()->currentPage, int(PageIndex::InstrumentRecords),
                              kScreenTimeoutMs);

    auto *list = window->findChild<sharedDataControlView *>();
    auto *table = list->findChild<TableWidget *>();
    TouchButton *refresh = keyedButton(list, "refresh");
    TouchButton *exportButton = keyedButton(list, "export");
    QVERIFY(refresh && exportButton);
    QVERIFY(tap(refresh));
    QTRY_VERIFY_WITH_TIMEOUT(table->rowCount() > 0, kRunTimeoutMs);
    auto *firstRow = table->cellWidget(0, 0)->findChild<CheckBox *>();
    QVERIFY(tap(firstRow));
    QTRY_VERIFY_WITH_TIMEOUT(exportButton->isEnabled(), kScreenTimeoutMs);

    // The record arrives from the drive unit some time after the tap; the
    // dialog it opens runs its own event loop.
    QTimer watch;
    watch.setInterval(100);
    connect(&watch, &QTimer::timeout, this, [this, &watch] {
        QFileDialog *dialog = shownFileDialog();
        if (!dialog)
            return;
        watch.stop();
        typeNameAndSave(dialog);
        dialogDone = true;
    });
    watch.start();
    QVERIFY(tap(exportButton));
    QTRY_VERIFY_WITH_TIMEOUT(dialogDone && !shownFileDialog(), kRunTimeoutMs);
    QVERIFY2(dialogFailure.isEmpty(), qPrintable(dialogFailure));

    QFile exported(exportFolder.filePath("qwe.csv"));
    QTRY_VERIFY_WITH_TIMEOUT(exported.exists(), kScreenTimeoutMs);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const QString text = QTextCodec::codecForName("GBK")->toUnicode(exported.readAll());
    QVERIFY2(text.startsWith("计算标准,"), qPrintable(text.left(80)));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The keyboard keeps its settings below the home folder: start from its
    // defaults and leave the user's alone.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    RecordsExportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RecordsExportTest.moc"
