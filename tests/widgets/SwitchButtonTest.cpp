#include "SwitchButton.h"

#include <QTimer>
#include <QtTest>

namespace {

void press(SwitchButton &button)
{
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &event);
}

}

class SwitchButtonTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void setCheckedToTheSameStateDoesNothing();
    void pressSignalsBeforeTheKnobMoves();
    void knobReachesItsEndOnThe59thTick();
    void twoPressesInOneSlideReturnTheKnob();
    void withoutAnimationTheKnobJumps();
    void widthOf100StepsOnePixel();

private:
    SwitchButton *button = nullptr;
    QTimer *timer = nullptr;
};

void SwitchButtonTest::init()
{
    button = new SwitchButton;
    button->resize(70, 30);
    timer = button->findChild<QTimer *>();
    QVERIFY(timer);
}

void SwitchButtonTest::cleanup()
{
    delete button;
}

void SwitchButtonTest::setCheckedToTheSameStateDoesNothing()
{
    QSignalSpy spy(button, &SwitchButton::statusChanged);
    button->setChecked(false);
    QVERIFY(!timer->isActive());
    button->setChecked(true);
    QVERIFY(timer->isActive());
    QTRY_COMPARE(button->getStartX(), 40);
    QTRY_VERIFY(!timer->isActive());
    button->setChecked(true);
    QVERIFY(!timer->isActive());
    QCOMPARE(spy.count(), 0);
}

void SwitchButtonTest::pressSignalsBeforeTheKnobMoves()
{
    QList<int> knobAtSignal;
    connect(button, &SwitchButton::statusChanged, this, [&](bool checked) {
        QVERIFY(checked);
        knobAtSignal.append(button->getStartX());
    });
    press(*button);
    QCOMPARE(knobAtSignal, QList<int>({0}));
    QVERIFY(button->getChecked());
    QTRY_VERIFY(!timer->isActive());
    QCOMPARE(button->getStartX(), 70 - 30);
    QCOMPARE(button->getEndX(), 40);
}

void SwitchButtonTest::knobReachesItsEndOnThe59thTick()
{
    timer->setInterval(60000);
    press(*button);
    for (int tick = 0; tick < 58; ++tick)
        button->updateValue();
    QVERIFY(timer->isActive());
    QVERIFY(button->getStartX() >= 40);
    button->updateValue();
    QVERIFY(!timer->isActive());
    QCOMPARE(int(button->getSpace() + button->getStartX()), 42);

    QImage image(button->size(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    button->render(&image);
    QCOMPARE(image.pixelColor(42 + 13, 15), QColor(Qt::white));
    QCOMPARE(image.pixelColor(15, 15), QColor("#00A0FF"));
}

void SwitchButtonTest::twoPressesInOneSlideReturnTheKnob()
{
    timer->setInterval(60000);
    QSignalSpy spy(button, &SwitchButton::statusChanged);
    press(*button);
    for (int tick = 0; tick < 10; ++tick)
        button->updateValue();
    press(*button);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(spy.at(1).at(0).toBool(), false);
    QCOMPARE(button->getStartX(), 7);
    for (int tick = 0; tick < 20 && timer->isActive(); ++tick)
        button->updateValue();
    QVERIFY(!timer->isActive());
    QCOMPARE(button->getStartX(), 0);
}

void SwitchButtonTest::withoutAnimationTheKnobJumps()
{
    button->setAnimation(false);
    press(*button);
    QVERIFY(!timer->isActive());
    QCOMPARE(button->getStartX(), 40);
}

void SwitchButtonTest::widthOf100StepsOnePixel()
{
    button->resize(100, 30);
    press(*button);
    QCOMPARE(button->getStep(), 1);
    QCOMPARE(button->getEndX(), 70);
}

QTEST_MAIN(SwitchButtonTest)
#include "SwitchButtonTest.moc"
