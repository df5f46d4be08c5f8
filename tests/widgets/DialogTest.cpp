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
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
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
        QObject::connect(dialog, &RenameDialog::confirm, [&events, alive](QString text) {
            noteAlive(events, alive, "confirm " + text);
        });
        QObject::connect(dialog, &RenameDialog::cancel, [&events, alive] {
            noteAlive(events, alive, "cancel");
        });
        dialog->setText("old");
    });
}

Dialog *openAlert(QWidget *page, QStringList &events)
{
    return openDialog<AlertDialog>(page, [&events](AlertDialog *dialog) {
        QPointer<AlertDialog> alive(dialog);
        QObject::connect(dialog, &AlertDialog::confirm, [&events, alive] {
            noteAlive(events, alive, "confirm");
        });
        QObject::connect(dialog, &AlertDialog::cancel, [&events, alive] {
            noteAlive(events, alive, "cancel");
        });
    });
}

Dialog *openCalibration(QWidget *page, QStringList &events)
{
    return openDialog<CalibrationDialog>(page, [&events](CalibrationDialog *dialog) {
        QPointer<CalibrationDialog> alive(dialog);
        QObject::connect(dialog, &CalibrationDialog::confirm, [&events, alive](double value) {
            noteAlive(events, alive, "confirm " + QString::number(value));
        });
        QObject::connect(dialog, &CalibrationDialog::cancel, [&events, alive] {
            noteAlive(events, alive, "cancel");
        });
        dialog->setText("Ra", "2.5");
    });
}

Dialog *openDeveloper(QWidget *page, QStringList &events)
{
    return openDialog<DeveloperModelDialog>(page, [&events](DeveloperModelDialog *dialog) {
        QPointer<DeveloperModelDialog> alive(dialog);
        QObject::connect(dialog, &DeveloperModelDialog::confirm, [&events, alive](int index) {
            noteAlive(events, alive, "confirm " + QString::number(index));
        });
        QObject::connect(dialog, &DeveloperModelDialog::cancel, [&events, alive] {
            noteAlive(events, alive, "cancel");
        });
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

// A page of the main window with a button and a field of its own, which a
// dialog opened from the page has to keep out of reach.
struct PageBehind {
    explicit PageBehind(QWidget *window)
        : page(new QWidget(window))
        , button(new QPushButton("behind", page))
        , field(new QLineEdit(page))
    {
        page->setGeometry(100, 80, 600, 500);
        button->setGeometry(10, 10, 120, 40);
        field->setGeometry(10, 400, 200, 40);
        page->show();
    }

    QWidget *page;
    QPushButton *button;
    QLineEdit *field;
};

QColor pixelAt(QWidget *window, const QPoint &point)
{
    return window->grab().toImage().pixelColor(point);
}

bool isDimmed(const QColor &seen, const QColor &behind)
{
    const auto near = [](int value, double expected) {
        return qAbs(value - expected) <= 3;
    };
    return near(seen.red(), behind.red() * 0.7) && near(seen.green(), behind.green() * 0.7) &&
           near(seen.blue(), behind.blue() * 0.7);
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
    void maskDimsTheWindowAndKeepsItsInput();
    void openerDestroyedTakesMaskAndDialog();
    void dialogOpenedByADialogKeepsTheKeyboard();
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
    QVERIFY(!dialog->isWindow() && !mask->isWindow());
    QVERIFY(mask->isVisible());
    // The rectangle is global; the mask stands at that place inside the window.
    QCOMPARE(mask->geometry(), QRect(window->mapFromGlobal(kMainRect.topLeft()), kMainRect.size()));
    QCOMPARE(dialog->pos(), QPoint((1280 - 485) / 2, (800 - dialog->height()) / 2));

    dialog->hide();
    QVERIFY(!mask->isVisible());
    mask->setMainRect(window->geometry());
    GlobalData::instance()->mainWindowRect = QRect(300, 300, 1280, 800);
    dialog->show();
    QVERIFY(mask->isVisible());
    QCOMPARE(mask->geometry(), window->rect());

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

void DialogTest::maskDimsTheWindowAndKeepsItsInput()
{
    const QColor background(200, 180, 160);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, background);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    GlobalData::instance()->mainWindowRect = window->geometry();
    PageBehind behind(window);
    behind.field->setFocus();
    QSignalSpy behindClicks(behind.button, &QPushButton::clicked);
    const QPoint outside(20, 20);
    const QImage before = window->grab().toImage();

    QStringList events;
    QPointer<Dialog> dialog = openRename(behind.page, events);
    QPointer<MaskWidget> mask = maskOf(dialog);
    QCOMPARE(mask->parentWidget(), window);
    QCOMPARE(mask->geometry(), window->rect());
    const QRect card = dialog->geometry();
    QVERIFY(window->rect().contains(card));
    QCOMPARE(card.center().x(), window->rect().center().x());

    // Dimmed, not black, around the card and in its rounded corners; the
    // card itself white.
    QVERIFY(isDimmed(pixelAt(window, outside), background));
    QVERIFY(isDimmed(pixelAt(window, card.topLeft() + QPoint(1, 1)), background));
    QCOMPARE(pixelAt(window, card.topLeft() + QPoint(12, 120)), QColor(Qt::white));

    // The field behind loses the keyboard to the dialog, Tab stays inside
    // it, and presses through the window reach nothing behind the card.
    auto *edit = dialog->findChild<LineEdit *>();
    QVERIFY(dialog->isAncestorOf(window->focusWidget()));
    for (int tab = 0; tab < 4; ++tab) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QVERIFY(dialog->isAncestorOf(window->focusWidget()));
    }
    QWindow *screenWindow = window->windowHandle();
    QTest::mouseClick(screenWindow, Qt::LeftButton, Qt::NoModifier, behind.button->mapTo(window, QPoint(20, 20)));
    QTest::mouseClick(screenWindow, Qt::LeftButton, Qt::NoModifier, behind.field->mapTo(window, QPoint(20, 20)));
    QCOMPARE(behindClicks.count(), 0);
    QVERIFY(!behind.field->hasFocus());
    QTest::mouseClick(screenWindow, Qt::LeftButton, Qt::NoModifier, edit->mapTo(window, QPoint(20, 20)));
    QVERIFY(edit->hasFocus());

    TouchButton *cancel = buttonsOf(dialog).at(1);
    QTest::mouseClick(screenWindow, Qt::LeftButton, Qt::NoModifier, cancel->mapTo(window, cancel->rect().center()));
    QCOMPARE(events, QStringList{"cancel"});
    QTRY_VERIFY(!dialog && !mask);
    QVERIFY(behind.field->hasFocus());
    QCOMPARE(window->grab().toImage(), before);
}

// The developer dialog opens the needle calibration from its confirm button,
// then closes: the keyboard stays with the second dialog and returns to the
// page's field when that one closes.
void DialogTest::dialogOpenedByADialogKeepsTheKeyboard()
{
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    PageBehind behind(window);
    behind.field->setFocus();
    QStringList events;
    QPointer<Dialog> second;
    QPointer<Dialog> first = openAlert(behind.page, events);
    connect(static_cast<AlertDialog *>(first.data()), &AlertDialog::confirm, [&] {
        second = openRename(behind.page, events);
    });
    buttonsOf(first).at(0)->click();
    QTRY_VERIFY(!first);
    QVERIFY(second && second->isVisible());
    QVERIFY(second->isAncestorOf(window->focusWidget()));
    second->close();
    QTRY_VERIFY(!second);
    QVERIFY(behind.field->hasFocus());
}

void DialogTest::openerDestroyedTakesMaskAndDialog()
{
    PageBehind behind(window);
    QStringList events;
    QPointer<Dialog> dialog = openAlert(behind.page, events);
    QPointer<MaskWidget> mask = maskOf(dialog);
    QVERIFY(mask && mask->isVisible());
    delete behind.page;
    QVERIFY(!dialog && !mask);

    // The whole window going, page, mask and dialog in one.
    PageBehind again(window);
    dialog = openAlert(again.page, events);
    mask = maskOf(dialog);
    delete window;
    window = nullptr;
    QVERIFY(!dialog && !mask);
}

void DialogTest::cardGeometryAndStyles()
{
    QStringList events;
    const QList<Dialog *> dialogs = {
        openSave(window, events),      openRename(window, events),
        openAlert(window, events),     openCalibration(window, events),
        openDeveloper(window, events), openDialog<HintDialog>(window, [](HintDialog *) {})};
    for (Dialog *dialog : dialogs) {
        QCOMPARE(dialog->width(), 485);
        QVERIFY2(dialog->height() >= 300, dialog->metaObject()->className());
        QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(dialog->window(), window);
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
    QTest::newRow("save: confirm") << Opener(openSave) << 0 << QStringList{"confirm 2401013 2024-01-01 10:00:00"};
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
