#include "MouseSteps.h"

#include "CustomButton.h"
#include "PushButton.h"
#include "TouchButton.h"

#include <QtTest>

namespace {

QWidget *const noWidget = nullptr;

}

class ButtonsTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void customButtonClicks_data();
    void customButtonClicks();
    void touchButtonSheetsFollowTheFinger();
    void touchButtonClicksOncePerTouchOrMouseClick_data();
    void touchButtonClicksOncePerTouchOrMouseClick();
    void touchButtonDisabledDuringTouch();
    void touchButtonLooksDisabled_data();
    void touchButtonLooksDisabled();
    void pushButtonKeepsQPushButtonClassAndEmptyUnknownPresets();

private:
    QTouchDevice *device = nullptr;
    TouchButton *button = nullptr;
};

void ButtonsTest::init()
{
    if (!device)
        device = QTest::createTouchDevice();
    button = new TouchButton;
    button->resize(100, 50);
    button->setStyle(4);
    button->show();
    QVERIFY(QTest::qWaitForWindowExposed(button));
}

void ButtonsTest::cleanup()
{
    delete button;
}

void ButtonsTest::customButtonClicks_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<int>("clicks");
    QTest::newRow("one pixel sideways") << QList<Step>{mousePress(10, 10), mouseMove(11, 10), mouseRelease(11, 10)}
                                        << 1;
    QTest::newRow("one pixel diagonal and back")
        << QList<Step>{mousePress(10, 10), mouseMove(11, 11), mouseMove(10, 10), mouseRelease(10, 10)} << 0;
    QTest::newRow("released outside") << QList<Step>{mousePress(10, 10), mouseRelease(101, 10)} << 0;
    QTest::newRow("released outside, next press clean")
        << QList<Step>{mousePress(10, 10), mouseRelease(101, 10), mousePress(20, 20), mouseRelease(20, 20)} << 1;
    QTest::newRow("right button") << QList<Step>{mousePress(10, 10, Qt::RightButton),
                                                 mouseRelease(10, 10, Qt::RightButton)}
                                  << 0;
    QTest::newRow("release without press") << QList<Step>{mouseRelease(10, 10)} << 0;
    QTest::newRow("released at x = width") << QList<Step>{mousePress(100, 10), mouseRelease(100, 10)} << 1;
}

void ButtonsTest::customButtonClicks()
{
    QFETCH(QList<Step>, steps);
    QFETCH(int, clicks);
    CustomButton custom;
    custom.resize(100, 50);
    QSignalSpy spy(&custom, &CustomButton::clicked);
    for (const Step &step : steps)
        send(&custom, step);
    QCOMPARE(spy.count(), clicks);
}

void ButtonsTest::touchButtonSheetsFollowTheFinger()
{
    const QString normal = button->styleSheet();
    QVERIFY(normal.contains("rgb(155,89,182)"));
    QTest::touchEvent(button, device).press(0, QPoint(10, 10), noWidget);
    const QString pressed = button->styleSheet();
    QVERIFY(pressed.contains("rgb(119,25,170)"));
    QTest::touchEvent(button, device).move(0, QPoint(150, 10), noWidget);
    QCOMPARE(button->styleSheet(), normal);
    QTest::touchEvent(button, device).move(0, QPoint(90, 40), noWidget);
    QCOMPARE(button->styleSheet(), pressed);
    QTest::touchEvent(button, device).release(0, QPoint(90, 40), noWidget);
    QCOMPARE(button->styleSheet(), normal);
}

void ButtonsTest::touchButtonClicksOncePerTouchOrMouseClick_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("clicks");
    QTest::newRow("touch released inside") << "touch inside" << 1;
    QTest::newRow("touch released outside") << "touch outside" << 0;
    QTest::newRow("touch then its synthesised mouse click") << "touch and mouse" << 1;
    QTest::newRow("mouse click") << "mouse" << 1;
}

void ButtonsTest::touchButtonClicksOncePerTouchOrMouseClick()
{
    QFETCH(QString, input);
    QFETCH(int, clicks);
    QSignalSpy spy(button, &QPushButton::clicked);
    if (input.startsWith("touch")) {
        QTest::touchEvent(button, device).press(0, QPoint(10, 10), noWidget);
        const QPoint end = input == "touch outside" ? QPoint(160, 10) : QPoint(12, 10);
        QTest::touchEvent(button, device).move(0, end, noWidget);
        QTest::touchEvent(button, device).release(0, end, noWidget);
    }
    if (input == "touch and mouse") {
        send(button, mousePress(12, 10), Qt::MouseEventSynthesizedBySystem);
        send(button, mouseRelease(12, 10), Qt::MouseEventSynthesizedBySystem);
    }
    if (input == "mouse")
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(spy.count(), clicks);
}

void ButtonsTest::touchButtonDisabledDuringTouch()
{
    button->setStyle(3);
    const QString normal = button->styleSheet();
    QSignalSpy spy(button, &QPushButton::clicked);
    QTest::touchEvent(button, device).press(0, QPoint(10, 10), noWidget);
    QVERIFY(button->styleSheet() != normal);
    button->setEnabled(false);
    QTest::touchEvent(button, device).release(0, QPoint(10, 10), noWidget);
    QCOMPARE(button->styleSheet(), normal);
    QCOMPARE(spy.count(), 0);

    QTest::touchEvent(button, device).press(0, QPoint(10, 10), noWidget);
    QCOMPARE(button->styleSheet(), normal);
    QTest::touchEvent(button, device).release(0, QPoint(10, 10), noWidget);
    QCOMPARE(button->grab().toImage().pixelColor(50, 25), QColor("#E6E6E6"));

    button->setEnabled(true);
    button->setStyle(10);
    QVERIFY(button->styleSheet().isEmpty());
    QTest::touchEvent(button, device).press(0, QPoint(10, 10), noWidget);
    QVERIFY(button->styleSheet().isEmpty());
    QTest::touchEvent(button, device).release(0, QPoint(10, 10), noWidget);
}

void ButtonsTest::touchButtonLooksDisabled_data()
{
    QTest::addColumn<int>("style");
    for (int style = 0; style <= 9; ++style)
        QTest::newRow(qPrintable(QString("style %1").arg(style))) << style;
}

// A disabled button must not look tappable, whether it was disabled at rest
// or under a finger. Buttons stand on a panel, which shows through their
// transparent backgrounds.
void ButtonsTest::touchButtonLooksDisabled()
{
    QFETCH(int, style);
    QWidget panel;
    panel.setAutoFillBackground(true);
    panel.resize(100, 50);
    auto *onPanel = new TouchButton(&panel);
    onPanel->setStyle(style);
    onPanel->setText("Print");
    onPanel->resize(100, 50);
    const QImage enabled = panel.grab().toImage();
    onPanel->setEnabled(false);
    const QImage disabled = panel.grab().toImage();
    QVERIFY(disabled != enabled);

    onPanel->setEnabled(true);
    QTest::mousePress(onPanel, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    onPanel->setEnabled(false);
    QCOMPARE(panel.grab().toImage(), disabled);
}

void ButtonsTest::pushButtonKeepsQPushButtonClassAndEmptyUnknownPresets()
{
    PushButton push;
    QCOMPARE(push.metaObject()->className(), "QPushButton");
    push.setStyle(1);
    QVERIFY(push.styleSheet().startsWith(".QPushButton{"));
    push.setCheckable(true);
    push.setChecked(true);
    push.resize(120, 40);
    QCOMPARE(push.grab().toImage().pixelColor(60, 20), QColor(225, 223, 221));
    for (int type : {6, -1}) {
        push.setStyle(type);
        QVERIFY(push.styleSheet().isEmpty());
    }
}

QTEST_MAIN(ButtonsTest)
#include "ButtonsTest.moc"
