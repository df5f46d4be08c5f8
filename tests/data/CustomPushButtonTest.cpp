#include "MouseSteps.h"

#include "CustomPushButton.h"
#include "GlobalData.h"
#include "UiUtilities.h"

#include <QLabel>
#include <QtTest>

namespace {

QWidget *const noWidget = nullptr;

}

class CustomPushButtonTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pressMoveRelease_data();
    void pressMoveRelease();
    void touchTapClicksOnce();
    void labelWidthFollowsText();
    void unknownStyleClearsTheSheet();

private:
    // The look after each step: N normal, P pressed, C checked.
    QString look() const;

    QTouchDevice *device = nullptr;
    CustomPushButton *button = nullptr;
};

void CustomPushButtonTest::initTestCase()
{
    loadApplicationFont(GlobalData::instance()->font, applicationFontPath, 20);
    device = QTest::createTouchDevice();
}

void CustomPushButtonTest::init()
{
    button = new CustomPushButton;
    button->setStyle(0);
    button->setText("12");
    button->setFixedHeight(42);
    button->show();
    QVERIFY(QTest::qWaitForWindowExposed(button));
}

void CustomPushButtonTest::cleanup()
{
    delete button;
}

QString CustomPushButtonTest::look() const
{
    const QString sheet = button->styleSheet();
    if (sheet.contains("#E6E6E6"))
        return "N";
    if (sheet.contains("#DCDCDC"))
        return "P";
    return sheet.contains("#CACACA") ? "C" : "?";
}

void CustomPushButtonTest::pressMoveRelease_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<QString>("looks");
    QTest::addColumn<int>("clicks");
    // The button is 42 px high; its width is read when the row runs (-1 = width).
    QTest::newRow("press and release in place")
        << false << QList<Step>{mousePress(10, 10), mouseRelease(10, 10)} << "PN" << 1;
    QTest::newRow("drag out and release outside")
        << false << QList<Step>{mousePress(10, 10), mouseMove(10, 60), mouseRelease(10, 60)} << "PNN" << 0;
    QTest::newRow("drag out and back in")
        << false << QList<Step>{mousePress(10, 10), mouseMove(10, 60), mouseMove(10, 10), mouseRelease(10, 10)}
        << "PNPN" << 0;
    QTest::newRow("move 3 px inside") << false
                                      << QList<Step>{mousePress(10, 10), mouseMove(13, 10), mouseRelease(13, 10)}
                                      << "PPN" << 0;
    QTest::newRow("move 1 px inside") << false
                                      << QList<Step>{mousePress(10, 10), mouseMove(11, 10), mouseRelease(11, 10)}
                                      << "PPN" << 1;
    QTest::newRow("release at width, height")
        << false << QList<Step>{mousePress(-1, 42), mouseRelease(-1, 42)} << "PN" << 1;
    QTest::newRow("right button") << false
                                  << QList<Step>{mousePress(10, 10, Qt::RightButton),
                                                 mouseRelease(10, 10, Qt::RightButton)}
                                  << "NN" << 0;
    QTest::newRow("release without press") << false << QList<Step>{mouseRelease(10, 10)} << "N" << 0;
    QTest::newRow("checked: no pressed look, still clicks")
        << true << QList<Step>{mousePress(10, 10), mouseMove(10, 60), mouseMove(10, 10), mouseRelease(10, 10)} << "CCCC"
        << 0;
    QTest::newRow("checked tap") << true << QList<Step>{mousePress(10, 10), mouseRelease(10, 10)} << "CC" << 1;
}

void CustomPushButtonTest::pressMoveRelease()
{
    QFETCH(bool, checked);
    QFETCH(QList<Step>, steps);
    QFETCH(QString, looks);
    QFETCH(int, clicks);
    button->setCheckedLook(checked);
    QSignalSpy spy(button, &CustomPushButton::clicked);
    QString seen;
    for (Step step : steps) {
        if (step.pos.x() < 0)
            step.pos.setX(button->width());
        send(button, step);
        seen += look();
    }
    QCOMPARE(seen, looks);
    QCOMPARE(spy.count(), clicks);
    button->setCheckedLook(false);
    QCOMPARE(look(), QString("N"));
}

void CustomPushButtonTest::touchTapClicksOnce()
{
    QVERIFY(!button->testAttribute(Qt::WA_AcceptTouchEvents));
    QSignalSpy spy(button, &CustomPushButton::clicked);
    QTest::touchEvent(button, device).press(0, QPoint(10, 10), noWidget);
    QTest::touchEvent(button, device).release(0, QPoint(10, 10), noWidget);
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(look(), QString("N"));
}

void CustomPushButtonTest::labelWidthFollowsText()
{
    auto *label = button->findChild<QLabel *>();
    QVERIFY(label);
    QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    button->setStyle(3);
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    button->setText("7");
    QCOMPARE(label->width(), 42);
    QCOMPARE(button->text(), QString("7"));
    const QString wide = "previous page";
    button->setText(wide);
    QCOMPARE(label->width(), QFontMetrics(button->font()).horizontalAdvance(wide) + 16);
    QTRY_COMPARE(button->width(), label->width());
}

void CustomPushButtonTest::unknownStyleClearsTheSheet()
{
    button->setStyle(9);
    QVERIFY(button->styleSheet().isEmpty());
    button->setCheckedLook(true);
    QVERIFY(button->styleSheet().isEmpty());
}

QTEST_MAIN(CustomPushButtonTest)
#include "CustomPushButtonTest.moc"
