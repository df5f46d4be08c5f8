#include "AlertDialog.h"
#include "CalibrationDialog.h"
#include "ComboBox.h"
#include "DeveloperModelDialog.h"
#include "GlobalData.h"
#include "HintDialog.h"
#include "Language.h"
#include "LineEdit.h"
#include "MaskWidget.h"
#include "Notice.h"
#include "OpenDialog.h"
#include "RenameDialog.h"
#include "SaveFileDialog.h"
#include "TouchButton.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>

#include <functional>

namespace {

const QRect kMainRect(40, 30, 1280, 800);

// Opens one kind of dialog the way a page does and writes each signal it
// emits into events, noting whether the dialog still existed at that moment.
using Opener = std::function<Dialog *(QWidget *page, QStringList &events)>;

template <typename DialogType>
void noteAlive(QStringList &events, const QPointer<DialogType> &dialog, const QString &what)
{
    events << what + (dialog && dialog->isVisible() ? "" : " after close");
}

Dialog *openSave(QWidget *page, QStringList &events)
{
    return openDialog<SaveFileDialog>(page, [&events](SaveFileDialog *dialog) {
        QPointer<SaveFileDialog> alive(dialog);
        QObject::connect(dialog, &SaveFileDialog::confirm, [&events, alive](QString fileName, QString measureTime) {
            noteAlive(events, alive, "confirm " + fileName + " " + measureTime);
        });
        dialog->setFileNameRow("name", "2401013");
        dialog->setMeasureTimeRow("time", "2024-01-01 10:00:00");
        dialog->setButtonTexts("ok", "no");
    });
}

Dialog *openRename(QWidget *page, QStringList &events)
{
    return openDialog<RenameDialog>(page, [&events](RenameDialog *dialog) {
        QPointer<RenameDialog> alive(dialog);
        QObject::connect(dialog, &RenameDialog::confirm,
                         [&events, alive](QString text) { noteAlive(events, alive, "confirm " + text); });
        QObject::connect(dialog, &RenameDialog::cancel, [&events, alive] { noteAlive(events, alive, "cancel"); });
        dialog->setText("old");
    });
}

Dialog *openAlert(QWidget *page, QStringList &events)
{
    return openDialog<AlertDialog>(page, [&events](AlertDialog *dialog) {
        QPointer<AlertDialog> alive(dialog);
        QObject::connect(dialog, &AlertDialog::confirm, [&events, alive] { noteAlive(events, alive, "confirm"); });
        QObject::connect(dialog, &AlertDialog::cancel, [&events, alive] { noteAlive(events, alive, "cancel"); });
    });
}

Dialog *openCalibration(QWidget *page, QStringList &events)
{
    return openDialog<CalibrationDialog>(page, [&events](CalibrationDialog *dialog) {
        QPointer<CalibrationDialog> alive(dialog);
        QObject::connect(dialog, &CalibrationDialog::confirm, [&events, alive](double value) {
            noteAlive(events, alive, "confirm " + QString::number(value));
        });
        QObject::connect(dialog, &CalibrationDialog::cancel, [&events, alive] { noteAlive(events, alive, "cancel"); });
        dialog->setText("Ra", "2.5");
    });
}

Dialog *openDeveloper(QWidget *page, QStringList &events)
{
    return openDialog<DeveloperModelDialog>(page, [&events](DeveloperModelDialog *dialog) {
        QPointer<DeveloperModelDialog> alive(dialog);
        QObject::connect(dialog, &DeveloperModelDialog::confirm,
                         [&events, alive](int index) { noteAlive(events, alive, "confirm " + QString::number(index)); });
        QObject::connect(dialog, &DeveloperModelDialog::cancel,
                         [&events, alive] { noteAlive(events, alive, "cancel"); });
    });
}

MaskWidget *maskOf(QWidget *dialog)
{
    return qobject_cast<MaskWidget *>(dialog->parentWidget());
}

QList<TouchButton *> buttonsOf(QWidget *dialog)
{
    return dialog->findChildren<TouchButton *>();
}

QStringList directNoticeTexts(QWidget *widget)
{
    QStringList texts;
    for (Notice *notice : widget->findChildren<Notice *>(QString(), Qt::FindDirectChildrenOnly))
        texts << notice->findChild<QLabel *>()->text();
    return texts;
}

}

Q_DECLARE_METATYPE(Opener)

class DialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void maskFollowsTheDialog();
    void maskWithoutDialogFollowsNothing();
    void cardGeometryAndStyles();
    void buttonsAnswerThenBothGo_data();
    void buttonsAnswerThenBothGo();
    void dialogDestroyedFirstClosesTheMask();
    void renameOffersTheOldNameSelected();
    void calibrationAcceptsOnlyUsableReferences_data();
    void calibrationAcceptsOnlyUsableReferences();
    void developerDialogOffersTheNeedleCalibration();

private:
    QWidget *window = nullptr;
};

void DialogTest::initTestCase()
{
    Language::instance()->setLanguage(1);
}

void DialogTest::init()
{
    window = new QWidget;
    window->resize(1280, 800);
    window->show();
    GlobalData::instance()->mainWindowRect = kMainRect;
    GlobalData::instance()->noticeContainer.setParentWidget(window);
}

void DialogTest::cleanup()
{
    GlobalData::instance()->noticeContainer.setParentWidget(nullptr);
    delete window;
}

void DialogTest::cleanupTestCase()
{
    GlobalData::instance()->noticeContainer.release();
}

void DialogTest::maskFollowsTheDialog()
{
    QStringList events;
    QPointer<Dialog> dialog = openAlert(window, events);
    QPointer<MaskWidget> mask = maskOf(dialog);
    QVERIFY(mask);
    QCOMPARE(mask->parentWidget(), window);
    QVERIFY(mask->isVisible());
    QCOMPARE(mask->geometry(), kMainRect);
    QCOMPARE(dialog->pos(), QPoint(kMainRect.x() + (1280 - 485) / 2, kMainRect.y() + (800 - dialog->height()) / 2));

    dialog->hide();
    QVERIFY(!mask->isVisible());
    mask->setMainRect(QRect(0, 0, 1280, 800));
    GlobalData::instance()->mainWindowRect = QRect(300, 300, 1280, 800);
    dialog->show();
    QVERIFY(mask->isVisible());
    QCOMPARE(mask->geometry(), QRect(0, 0, 1280, 800));

    dialog->close();
    QTRY_VERIFY(!dialog && !mask);
    QVERIFY(events.isEmpty());
}

void DialogTest::maskWithoutDialogFollowsNothing()
{
    auto *mask = new MaskWidget(window);
    mask->setMainRect(kMainRect);
    auto *dialog = new HintDialog(mask);
    mask->setDialog(dialog);
    mask->setDialog(nullptr);
    dialog->show();
    QVERIFY(!mask->isVisible());
    QPointer<MaskWidget> watched(mask);
    delete dialog;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(watched);
    QVERIFY(!mask->isVisible());
    delete mask;
}

void DialogTest::cardGeometryAndStyles()
{
    QStringList events;
    const QList<Dialog *> dialogs = {openSave(window, events), openRename(window, events), openAlert(window, events),
                                     openCalibration(window, events), openDeveloper(window, events),
                                     openDialog<HintDialog>(window, [](HintDialog *) {})};
    for (Dialog *dialog : dialogs) {
        QCOMPARE(dialog->width(), 485);
        QVERIFY2(dialog->height() >= 300, dialog->metaObject()->className());
        QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    }

    // Inside the card's margin, below the title bar: white on the card,
    // nothing at all without it.
    const QPoint insideCard(12, 120);
    Dialog card(nullptr, Dialog::CardStyle);
    Dialog bare(nullptr, 1);
    card.resize(485, 300);
    bare.resize(485, 300);
    QCOMPARE(card.grab().toImage().pixelColor(insideCard), QColor(Qt::white));
    QCOMPARE(bare.grab().toImage().pixelColor(insideCard).alpha(), 0);
    QVERIFY(bare.styleSheet().isEmpty());
}

void DialogTest::buttonsAnswerThenBothGo_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("save: confirm") << Opener(openSave) << 0
                                   << QStringList{"confirm 2401013 2024-01-01 10:00:00"};
    QTest::newRow("save: cancel is silent") << Opener(openSave) << 1 << QStringList{};
    QTest::newRow("rename: confirm") << Opener(openRename) << 0 << QStringList{"confirm old"};
    QTest::newRow("rename: cancel") << Opener(openRename) << 1 << QStringList{"cancel"};
    QTest::newRow("alert: confirm") << Opener(openAlert) << 0 << QStringList{"confirm"};
    QTest::newRow("alert: cancel") << Opener(openAlert) << 1 << QStringList{"cancel"};
    QTest::newRow("calibration: confirm") << Opener(openCalibration) << 0 << QStringList{"confirm 2.5"};
    QTest::newRow("calibration: cancel") << Opener(openCalibration) << 1 << QStringList{"cancel"};
    QTest::newRow("developer: confirm") << Opener(openDeveloper) << 0 << QStringList{"confirm 0"};
    QTest::newRow("developer: cancel") << Opener(openDeveloper) << 1 << QStringList{"cancel"};
}

void DialogTest::buttonsAnswerThenBothGo()
{
    QFETCH(Opener, open);
    QFETCH(int, button);
    QFETCH(QStringList, expected);
    QStringList events;
    QPointer<Dialog> dialog = open(window, events);
    QPointer<MaskWidget> mask = maskOf(dialog);
    const QList<TouchButton *> buttons = buttonsOf(dialog);
    QCOMPARE(buttons.size(), 2);

    QTest::mouseClick(buttons.at(button), Qt::LeftButton);
    QCOMPARE(events, expected);
    QVERIFY(!dialog->isVisible() && !mask->isVisible());
    QTRY_VERIFY(!dialog && !mask);
}

void DialogTest::dialogDestroyedFirstClosesTheMask()
{
    QStringList events;
    QPointer<Dialog> dialog = openAlert(window, events);
    QPointer<MaskWidget> mask = maskOf(dialog);
    delete dialog;
    QVERIFY(!mask->isVisible());
    QTRY_VERIFY(!mask);
}

void DialogTest::renameOffersTheOldNameSelected()
{
    QStringList events;
    Dialog *dialog = openRename(window, events);
    auto *edit = dialog->findChild<LineEdit *>();
    QCOMPARE(edit->selectedText(), QString("old"));
    QTest::keyClick(edit, Qt::Key_X);
    QCOMPARE(edit->text(), QString("x"));
    dialog->close();
}

void DialogTest::calibrationAcceptsOnlyUsableReferences_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("0.001") << "0.001" << true;
    QTest::newRow("12.5") << "12.5" << true;
    QTest::newRow("100") << "100" << true;
    QTest::newRow("100.000") << "100.000" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("100.001") << "100.001" << false;
    QTest::newRow("not a number") << "." << false;
}

void DialogTest::calibrationAcceptsOnlyUsableReferences()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QStringList events;
    QPointer<Dialog> dialog = openCalibration(window, events);
    static_cast<CalibrationDialog *>(dialog.data())->setText("Ra", text);
    QTest::mouseClick(buttonsOf(dialog).at(0), Qt::LeftButton);

    const QString outOfLimit = Language::instance()->text("RaValueOutOfLimit");
    if (accepted) {
        QCOMPARE(events, QStringList{"confirm " + QString::number(text.toDouble())});
        QTRY_VERIFY(!dialog);
    } else {
        QTRY_COMPARE(directNoticeTexts(dialog), QStringList{outOfLimit});
        QVERIFY(events.isEmpty());
        QVERIFY(dialog->isVisible());
        QVERIFY(directNoticeTexts(window).isEmpty());
        dialog->close();
    }
    QTRY_VERIFY(!dialog);
    QVERIFY(directNoticeTexts(window).isEmpty());
}

void DialogTest::developerDialogOffersTheNeedleCalibration()
{
    QStringList events;
    Dialog *dialog = openDeveloper(window, events);
    auto *combo = dialog->findChild<ComboBox *>();
    QCOMPARE(combo->count(), 1);
    QCOMPARE(combo->itemText(0), " " + Language::instance()->text("middleNeedleVoltageCalibration"));
    dialog->close();
}

QTEST_MAIN(DialogTest)
#include "DialogTest.moc"
