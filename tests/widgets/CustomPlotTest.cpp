#include "CustomPlot.h"

#include <QStyleHints>
#include <QtTest>

Q_DECLARE_METATYPE(QCPRange)

namespace {

QWidget *const noWidget = nullptr;

bool near(double a, double b)
{
    return qAbs(a - b) <= 1e-9 * qMax(1.0, qMax(qAbs(a), qAbs(b)));
}

bool sameRange(const QCPRange &a, const QCPRange &b)
{
    return near(a.lower, b.lower) && near(a.upper, b.upper);
}

}

class CustomPlotTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void lineDirection_data();
    void lineDirection();
    void pinchToTwiceTheDistanceHalvesTheSpan();
    void draggedPointStaysUnderTheFinger();
    void noPanAfterPinchUntilNewTouch();
    void doubleTapAndLeftDoubleClickFit();
    void fitDependsOnTheDataAlone_data();
    void fitDependsOnTheDataAlone();
    void secondGraphWithoutFirst();

private:
    void tap(const QPoint &pos);

    QTouchDevice *device = nullptr;
    CustomPlot *plot = nullptr;
};

void CustomPlotTest::initTestCase()
{
    device = QTest::createTouchDevice();
    // Two taps of a loaded test machine must still count as a double tap.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(60000);
}

void CustomPlotTest::init()
{
    plot = new CustomPlot;
    plot->resize(400, 300);
    plot->show();
    QVERIFY(QTest::qWaitForWindowExposed(plot));
    plot->setGraphData({0, 50, 100}, {-10, 40, 10});
    plot->setAxisRanges(0, 100, 0, 100);
    plot->replot();
}

void CustomPlotTest::cleanup()
{
    delete plot;
}

void CustomPlotTest::tap(const QPoint &pos)
{
    QTest::touchEvent(plot, device).press(0, pos, noWidget);
    QTest::touchEvent(plot, device).release(0, pos, noWidget);
}

void CustomPlotTest::lineDirection_data()
{
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("dy");
    QTest::addColumn<int>("axes");
    QTest::newRow("0 degrees") << 10.0 << 0.0 << 1;
    QTest::newRow("22.5 degrees") << 1.0 << 0.41421356237309503 << 1;
    QTest::newRow("45 degrees") << 10.0 << 10.0 << 3;
    QTest::newRow("67.5 degrees") << 1.0 << 2.414213562373095 << 3;
    QTest::newRow("90 degrees") << 0.0 << 10.0 << 2;
    QTest::newRow("-90 degrees") << 0.0 << -10.0 << 2;
    QTest::newRow("-45 degrees") << 10.0 << -10.0 << 3;
    QTest::newRow("one point") << 0.0 << 0.0 << 3;
}

void CustomPlotTest::lineDirection()
{
    QFETCH(double, dx);
    QFETCH(double, dy);
    QFETCH(int, axes);
    QCOMPARE(CustomPlot::lineDirection(0, 0, dx, dy), axes);
    QCOMPARE(CustomPlot::lineDirection(dx, dy, 0, 0), axes);
}

void CustomPlotTest::pinchToTwiceTheDistanceHalvesTheSpan()
{
    QTest::touchEvent(plot, device).press(0, QPoint(149, 150), noWidget).press(1, QPoint(250, 150), noWidget);
    QTest::touchEvent(plot, device).move(0, QPoint(150, 150), noWidget).move(1, QPoint(250, 150), noWidget);
    const double centre = plot->xAxis->pixelToCoord(200);
    const QCPRange x = plot->xAxis->range();
    const QCPRange y = plot->yAxis->range();
    QTest::touchEvent(plot, device).move(0, QPoint(100, 150), noWidget).move(1, QPoint(300, 150), noWidget);
    QTest::touchEvent(plot, device).release(0, QPoint(100, 150), noWidget).release(1, QPoint(300, 150), noWidget);
    QVERIFY(
        sameRange(plot->xAxis->range(), QCPRange(centre - (centre - x.lower) / 2, centre + (x.upper - centre) / 2)));
    QVERIFY(near(plot->xAxis->range().size(), x.size() / 2));
    QVERIFY(sameRange(plot->yAxis->range(), y));
}

void CustomPlotTest::draggedPointStaysUnderTheFinger()
{
    // Tick labels of a new width would move the axis rectangle under the finger.
    plot->axisRect()->setAutoMargins(QCP::msNone);
    plot->axisRect()->setMargins(QMargins(60, 10, 10, 10));
    plot->replot();
    const double x = plot->xAxis->pixelToCoord(100);
    const double y = plot->yAxis->pixelToCoord(120);
    QTest::touchEvent(plot, device).press(0, QPoint(100, 120), noWidget);
    QTest::touchEvent(plot, device).move(0, QPoint(160, 140), noWidget);
    QTest::touchEvent(plot, device).move(0, QPoint(200, 60), noWidget);
    QVERIFY(near(plot->xAxis->pixelToCoord(200), x));
    QVERIFY(near(plot->yAxis->pixelToCoord(60), y));
    QVERIFY(near(plot->xAxis->range().size(), 100));
    QTest::touchEvent(plot, device).release(0, QPoint(200, 60), noWidget);
}

void CustomPlotTest::noPanAfterPinchUntilNewTouch()
{
    QTest::touchEvent(plot, device).press(0, QPoint(100, 100), noWidget).press(1, QPoint(200, 100), noWidget);
    QTest::touchEvent(plot, device).move(0, QPoint(110, 100), noWidget).move(1, QPoint(200, 100), noWidget);
    QTest::touchEvent(plot, device).release(1, QPoint(200, 100), noWidget).stationary(0);
    const QCPRange x = plot->xAxis->range();
    QTest::touchEvent(plot, device).move(0, QPoint(250, 200), noWidget);
    QVERIFY(sameRange(plot->xAxis->range(), x));
    QTest::touchEvent(plot, device).release(0, QPoint(250, 200), noWidget);

    QTest::touchEvent(plot, device).press(0, QPoint(100, 100), noWidget);
    QTest::touchEvent(plot, device).move(0, QPoint(200, 100), noWidget);
    QVERIFY(!sameRange(plot->xAxis->range(), x));
    QTest::touchEvent(plot, device).release(0, QPoint(200, 100), noWidget);
}

void CustomPlotTest::doubleTapAndLeftDoubleClickFit()
{
    plot->rescaleWithMargins(1.03, 1.6);
    const QCPRange fittedX = plot->xAxis->range();
    const QCPRange fittedY = plot->yAxis->range();
    QVERIFY(near(fittedX.size(), 103));
    QVERIFY(near(fittedY.size(), 80));

    plot->setAxisRanges(20, 30, 40, 50);
    tap(QPoint(100, 100));
    QVERIFY(sameRange(plot->xAxis->range(), QCPRange(20, 30)));
    tap(QPoint(102, 101));
    QVERIFY(sameRange(plot->xAxis->range(), fittedX));
    QVERIFY(sameRange(plot->yAxis->range(), fittedY));

    plot->setAxisRanges(20, 30, 40, 50);
    QTest::mouseDClick(plot, Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    QVERIFY(sameRange(plot->xAxis->range(), QCPRange(20, 30)));
    QTest::mouseDClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QVERIFY(sameRange(plot->xAxis->range(), fittedX));
}

void CustomPlotTest::fitDependsOnTheDataAlone_data()
{
    QTest::addColumn<QVector<double>>("keys");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QCPRange>("x");
    QTest::addColumn<QCPRange>("y");
    QTest::newRow("no data") << QVector<double>() << QVector<double>() << QCPRange(0, 5) << QCPRange(0, 5);
    QTest::newRow("one point") << QVector<double>{7} << QVector<double>{3} << QCPRange(6, 8) << QCPRange(2, 4);
    QTest::newRow("flat curve") << QVector<double>{0, 10} << QVector<double>{3, 3} << QCPRange(-0.15, 10.15)
                                << QCPRange(2, 4);
    QTest::newRow("curve") << QVector<double>{0, 10} << QVector<double>{-1, 1} << QCPRange(-0.15, 10.15)
                           << QCPRange(-1.6, 1.6);
}

void CustomPlotTest::fitDependsOnTheDataAlone()
{
    QFETCH(QVector<double>, keys);
    QFETCH(QVector<double>, values);
    QFETCH(QCPRange, x);
    QFETCH(QCPRange, y);
    CustomPlot fresh;
    for (int call = 0; call < 3; ++call) {
        fresh.setAxisRanges(-300 * call, 17, 40, 90 * call);
        fresh.setGraphData(keys, values);
        QVERIFY2(sameRange(fresh.xAxis->range(), x), qPrintable(QString::number(call)));
        QVERIFY2(sameRange(fresh.yAxis->range(), y), qPrintable(QString::number(call)));
    }
}

void CustomPlotTest::secondGraphWithoutFirst()
{
    CustomPlot fresh;
    fresh.setSecondGraphData({0, 1}, {2, 3});
    QCOMPARE(fresh.graphCount(), 2);
    QCOMPARE(fresh.graph(0)->dataCount(), 0);
    QCOMPARE(fresh.graph(1)->dataCount(), 2);
    fresh.setGraphData({0, 1, 2}, {2, 3, 4});
    QCOMPARE(fresh.graphCount(), 2);
    QCOMPARE(fresh.graph(0)->dataCount(), 3);
}

QTEST_MAIN(CustomPlotTest)
#include "CustomPlotTest.moc"
