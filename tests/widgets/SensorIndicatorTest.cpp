#include "SensorIndicator.h"

#include <QTimer>
#include <QtTest>

namespace {

// The bar's fill has saturated gradient colours; the background stays white.
bool filled(const QImage &image, int x, int y)
{
    const QColor colour = image.pixelColor(x, y);
    return colour.saturation() > 60;
}

QImage paint(SensorIndicator &gauge)
{
    QImage image(gauge.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    gauge.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

}

class SensorIndicatorTest : public QObject
{
    Q_OBJECT
private slots:
    void fullAfterConstructionThenTimerStops();
    void valuesClampToTheRange_data();
    void valuesClampToTheRange();
    void burstShowsTheLastValue();
    void barStylesByPixels_data();
    void barStylesByPixels();
    void updateRangeClampsToTheNearerEnd();
    void updateRangeRefusesAnEmptyRange();
};

static void settle(SensorIndicator &gauge)
{
    QTimer *timer = gauge.findChild<QTimer *>();
    QVERIFY(timer);
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 20000);
}

void SensorIndicatorTest::fullAfterConstructionThenTimerStops()
{
    SensorIndicator gauge;
    QCOMPARE(gauge.value(), 0.0);
    QTimer *timer = gauge.findChild<QTimer *>();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 10);
    QTRY_COMPARE(gauge.value(), 500.0);
    settle(gauge);
}

void SensorIndicatorTest::valuesClampToTheRange_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("shown");
    QTest::newRow("above") << 700.0 << 500.0;
    QTest::newRow("below") << -800.0 << -500.0;
    QTest::newRow("inside") << -123.5 << -123.5;
}

void SensorIndicatorTest::valuesClampToTheRange()
{
    QFETCH(double, value);
    QFETCH(double, shown);
    SensorIndicator gauge;
    settle(gauge);
    gauge.setValue(value);
    QCOMPARE(gauge.findChild<QTimer *>()->interval(), 2);
    QTRY_COMPARE(gauge.value(), shown);
    settle(gauge);
    QCOMPARE(gauge.value(), shown);
}

void SensorIndicatorTest::burstShowsTheLastValue()
{
    SensorIndicator gauge;
    settle(gauge);
    QList<double> shown;
    QTimer *timer = gauge.findChild<QTimer *>();
    connect(timer, &QTimer::timeout, this, [&] {
        shown.append(gauge.value());
    });
    gauge.setValue(100);
    gauge.setValue(200);
    gauge.setValue(-300);
    settle(gauge);
    QCOMPARE(shown, QList<double>({-300, -300}));
}

void SensorIndicatorTest::barStylesByPixels_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("value");
    QTest::addColumn<QPoint>("inside");
    QTest::addColumn<QPoint>("outside");
    // Style 7, 30 x 206: the fill is 200 * (value + 500) / 1000 high above y = 203.
    QTest::newRow("7 empty") << 7 << QSize(30, 206) << -500.0 << QPoint() << QPoint(15, 195);
    QTest::newRow("7 half") << 7 << QSize(30, 206) << 0.0 << QPoint(15, 110) << QPoint(15, 96);
    QTest::newRow("7 full") << 7 << QSize(30, 206) << 500.0 << QPoint(15, 4) << QPoint();
    // Style 8, 200 x 150: S = 128, the fill of 0 tops at 75.
    QTest::newRow("8 zero") << 8 << QSize(200, 150) << 0.0 << QPoint(160, 80) << QPoint(160, 70);
    QTest::newRow("nothing") << 9 << QSize(30, 206) << 500.0 << QPoint() << QPoint(15, 100);
}

void SensorIndicatorTest::barStylesByPixels()
{
    QFETCH(int, style);
    QFETCH(QSize, size);
    QFETCH(double, value);
    QFETCH(QPoint, inside);
    QFETCH(QPoint, outside);
    SensorIndicator gauge;
    gauge.resize(size);
    gauge.setStyle(style);
    settle(gauge);
    gauge.setValue(value);
    settle(gauge);
    const QImage image = paint(gauge);
    if (!inside.isNull())
        QVERIFY(filled(image, inside.x(), inside.y()));
    if (!outside.isNull())
        QVERIFY(!filled(image, outside.x(), outside.y()));
}

void SensorIndicatorTest::updateRangeClampsToTheNearerEnd()
{
    SensorIndicator gauge;
    settle(gauge);
    gauge.setValue(-400);
    settle(gauge);
    gauge.updateRange(300);
    QCOMPARE(gauge.value(), -300.0);
    QCOMPARE(gauge.minimum(), -300.0);
    settle(gauge);
    QCOMPARE(gauge.value(), -300.0);

    gauge.setValue(400);
    settle(gauge);
    QCOMPARE(gauge.value(), 300.0);
    gauge.updateRange(200);
    QCOMPARE(gauge.value(), 200.0);

    gauge.setValue(100);
    settle(gauge);
    gauge.updateRange(500);
    QCOMPARE(gauge.value(), 100.0);
    QCOMPARE(gauge.maximum(), 500.0);
}

void SensorIndicatorTest::updateRangeRefusesAnEmptyRange()
{
    SensorIndicator gauge;
    gauge.resize(30, 206);
    gauge.setStyle(7);
    settle(gauge);
    for (int range : {0, -50}) {
        gauge.updateRange(range);
        QCOMPARE(gauge.maximum(), 500.0);
        QCOMPARE(gauge.minimum(), -500.0);
    }
    QVERIFY(filled(paint(gauge), 15, 4));
}

QTEST_MAIN(SensorIndicatorTest)
#include "SensorIndicatorTest.moc"
