#include "PageFixture.h"

#include "AbbottFirestoneWidget.h"
#include "GlobalManager.h"
#include "MeasureWaveformWidget.h"
#include "NetworkController.h"
#include "PushButton.h"
#include "RoughnessWidget.h"
#include "SensorIndicator.h"
#include "ShapeRemovalWidget.h"
#include "TopWidget.h"
#include "TouchButton.h"
#include "WaveformWidget.h"
#include "WavinessWidget.h"

#include <QSignalSpy>
#include <QStackedWidget>
#include <QStyleHints>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(QCPRange)

namespace {

QWidget *const noWidget = nullptr;

QList<double> ramp(int count)
{
    QList<double> samples;
    for (int i = 0; i < count; ++i)
        samples << (i % 7) - 3.0;
    return samples;
}

bool near(double a, double b)
{
    return qAbs(a - b) <= 1e-9 * qMax(1.0, qMax(qAbs(a), qAbs(b)));
}

bool sameRange(const QCPRange &a, const QCPRange &b)
{
    return near(a.lower, b.lower) && near(a.upper, b.upper);
}

QPair<int, int> calculateRange()
{
    const CalculateResult &result = GlobalData::instance()->calcutateResult;
    return {result.left, result.right};
}

// The result plots have no meta-object of their own.
QString plotKind(QWidget *plot)
{
    if (dynamic_cast<MeasureWaveformWidget *>(plot))
        return "MeasureWaveformWidget";
    if (dynamic_cast<ShapeRemovalWidget *>(plot))
        return "ShapeRemovalWidget";
    if (dynamic_cast<WavinessWidget *>(plot))
        return "WavinessWidget";
    if (dynamic_cast<RoughnessWidget *>(plot))
        return "RoughnessWidget";
    if (dynamic_cast<AbbottFirestoneWidget *>(plot))
        return "AbbottFirestoneWidget";
    return QString();
}

QVector<double> keysOf(const QCPGraph *graph)
{
    QVector<double> keys;
    for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it)
        keys << it->key;
    return keys;
}

QVector<double> valuesOf(const QCPGraph *graph)
{
    QVector<double> values;
    for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it)
        values << it->value;
    return values;
}

}

class PlotsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fullProfileSelectsItsWholeLength_data();
    void fullProfileSelectsItsWholeLength();
    void doubleClickSelectsTheWholeProfile();
    void doubleClickOnAnEmptyPlotOnlyResetsTheView();
    void draggedLineSendsTruncatedIndexes_data();
    void draggedLineSendsTruncatedIndexes();
    void hiddenLinesAreNotGrabbed_data();
    void hiddenLinesAreNotGrabbed();
    void liveDoubleTapOnlyFits();
    void liveModeShowsTheNewestSamples_data();
    void liveModeShowsTheNewestSamples();
    void liveViewDependsOnTheDataAlone_data();
    void liveViewDependsOnTheDataAlone();
    void newRunStartsAFreshLiveList();
    void selectAreaButtonTogglesTheLines();
    void amplitudeCurveSplitsAtTheTurningPoint_data();
    void amplitudeCurveSplitsAtTheTurningPoint();
    void materialRatioPlotsAreSquares();
    void curveButtonsChooseThePlot_data();
    void curveButtonsChooseThePlot();
    void liveSamplesAreScaledByTheFactor();
    void stopClearsOnlyTheMeasuredProfile();
    void needlePositionDrivesTheGauge_data();
    void needlePositionDrivesTheGauge();

private:
    void pressAndDragTo(const QPoint &from, const QPoint &to);

    QTemporaryDir root;
    QTouchDevice *device = nullptr;
    std::unique_ptr<MeasureWaveformWidget> plot;
};

void PlotsTest::initTestCase()
{
    qRegisterMetaType<QList<double>>();
    QVERIFY(preparePages(root));
    device = QTest::createTouchDevice();
    // Two taps of a loaded test machine must still count as a double tap.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(60000);
}

void PlotsTest::init()
{
    GlobalData::instance()->setCalculateRange(-7, -7);
    plot = std::make_unique<MeasureWaveformWidget>();
    plot->resize(1000, 400);
    plot->show();
    QVERIFY(QTest::qWaitForWindowExposed(plot.get()));
    // Tick labels of a new width would move the axis rectangle under the pointer.
    plot->axisRect()->setAutoMargins(QCP::msNone);
    plot->axisRect()->setMargins(QMargins(40, 10, 10, 10));
}

void PlotsTest::cleanup()
{
    plot.reset();
}

void PlotsTest::pressAndDragTo(const QPoint &from, const QPoint &to)
{
    QTest::mousePress(plot.get(), Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, plot->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(plot.get(), &move);
    QTest::mouseRelease(plot.get(), Qt::LeftButton, Qt::NoModifier, to);
}

void PlotsTest::fullProfileSelectsItsWholeLength_data()
{
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("last");
    QTest::newRow("21000") << 21000 << 21000;
    QTest::newRow("21001, the last sample exactly") << 21001 << 21000;
    QTest::newRow("21003, the last two left out") << 21003 << 21000;
    QTest::newRow("one sample") << 1 << 0;
}

void PlotsTest::fullProfileSelectsItsWholeLength()
{
    QFETCH(int, samples);
    QFETCH(int, last);
    plot->setData(ramp(samples), MeasureWaveformWidget::FullMode);
    QCOMPARE(plot->displayMode(), int(MeasureWaveformWidget::FullMode));
    QCOMPARE(calculateRange(), qMakePair(0, last));
    QCOMPARE(plot->leftKey(), 0.0);
    QCOMPARE(plot->rightKey(), double(last / 4));
    QCOMPARE(plot->graph(0)->dataCount(), samples);
    QCOMPARE(plot->graph(0)->data()->at(samples - 1)->key, (samples - 1) * 0.25);
    QVERIFY(plot->leftRangeLine()->visible() && plot->selectArea()->isChecked());
    // The lines span the whole height of the view.
    QCOMPARE(plot->rightRangeLine()->start->coords().y(), plot->yAxis->range().lower);
    QCOMPARE(plot->rightRangeLine()->end->coords().y(), plot->yAxis->range().upper);
}

void PlotsTest::doubleClickSelectsTheWholeProfile()
{
    plot->setData(ramp(21000), MeasureWaveformWidget::FullMode);
    GlobalData::instance()->setCalculateRange(100, 200);
    QTest::mouseDClick(plot.get(), Qt::LeftButton, Qt::NoModifier, QPoint(500, 200));
    QCOMPARE(plot->leftKey(), 0.0);
    QCOMPARE(plot->rightKey(), 5249.0);
    QCOMPARE(calculateRange(), qMakePair(0, 20996));
}

void PlotsTest::doubleClickOnAnEmptyPlotOnlyResetsTheView()
{
    // A stopped run empties the plot while the shared profile stays.
    plot->setData(ramp(400), MeasureWaveformWidget::FullMode);
    plot->clearData();
    plot->xAxis->setRange(5, 50);
    QSignalSpy rangeChanged(GlobalData::instance(), &GlobalData::calculateRangeChanged);
    QTest::mouseDClick(plot.get(), Qt::LeftButton, Qt::NoModifier, QPoint(500, 200));
    QCOMPARE(rangeChanged.count(), 0);
    QVERIFY(sameRange(plot->xAxis->range(), QCPRange(-1.1, 0.1)));
    QVERIFY(sameRange(plot->yAxis->range(), QCPRange(-1.1, 0.1)));
}

void PlotsTest::draggedLineSendsTruncatedIndexes_data()
{
    QTest::addColumn<double>("key");
    QTest::addColumn<int>("index");
    QTest::newRow("10.3") << 10.3 << 41;
    QTest::newRow("-0.2") << -0.2 << 0;
    QTest::newRow("-0.3, past the left line") << -0.3 << -1;
}

void PlotsTest::draggedLineSendsTruncatedIndexes()
{
    QFETCH(double, key);
    QFETCH(int, index);
    // 40 samples: the right line stands at key 10.
    plot->setData(ramp(40), MeasureWaveformWidget::FullMode);
    plot->xAxis->setRange(-1, 11);
    plot->replot();
    const int lineX = qRound(plot->xAxis->coordToPixel(10.0));
    const double offset = plot->xAxis->coordToPixel(10.0) - lineX;
    const int targetX = qRound(plot->xAxis->coordToPixel(key) - offset);
    pressAndDragTo(QPoint(lineX + 20, 200), QPoint(targetX + 20, 200));
    QVERIFY(qAbs(plot->rightKey() - key) < 0.05);
    QCOMPARE(calculateRange(), qMakePair(0, index));
    QCOMPARE(plot->rightRangeLine()->pen().color(), QColor("#6b778d"));
}

void PlotsTest::hiddenLinesAreNotGrabbed_data()
{
    QTest::addColumn<bool>("live");
    QTest::newRow("live mode") << true;
    QTest::newRow("full mode, lines switched off") << false;
}

void PlotsTest::hiddenLinesAreNotGrabbed()
{
    QFETCH(bool, live);
    plot->setData(ramp(40), MeasureWaveformWidget::FullMode);
    if (live)
        plot->setData(ramp(40), MeasureWaveformWidget::LiveMode);
    else
        QTest::mouseClick(plot->selectArea(), Qt::LeftButton);
    QVERIFY(!plot->rightRangeLine()->visible());
    // Where the right line stood before it was hidden.
    const int lineX = qRound(plot->xAxis->coordToPixel(plot->rightRangeLine()->start->coords().x()));
    const QPoint grip(qBound(60, lineX, 900), 200);
    QSignalSpy rangeChanged(GlobalData::instance(), &GlobalData::calculateRangeChanged);

    pressAndDragTo(grip, grip + QPoint(-30, 0));
    QCOMPARE(rangeChanged.count(), 0);

    // A finger pans the view instead.
    const QCPRange before = plot->xAxis->range();
    QTest::touchEvent(plot.get(), device).press(0, grip, noWidget);
    QTest::touchEvent(plot.get(), device).move(0, grip + QPoint(-100, 0), noWidget);
    QTest::touchEvent(plot.get(), device).release(0, grip + QPoint(-100, 0), noWidget);
    QCOMPARE(rangeChanged.count(), 0);
    QVERIFY(plot->xAxis->range().lower > before.lower);
}

void PlotsTest::liveDoubleTapOnlyFits()
{
    plot->setData(ramp(400), MeasureWaveformWidget::FullMode);
    plot->setData(ramp(50), MeasureWaveformWidget::LiveMode);
    QSignalSpy rangeChanged(GlobalData::instance(), &GlobalData::calculateRangeChanged);
    plot->xAxis->setRange(1000, 2000);
    QTest::mouseDClick(plot.get(), Qt::LeftButton, Qt::NoModifier, QPoint(500, 200));
    QVERIFY(plot->xAxis->range().upper < 100);
    plot->xAxis->setRange(1000, 2000);
    for (int tap = 0; tap < 2; ++tap) {
        QTest::touchEvent(plot.get(), device).press(0, QPoint(500, 200), noWidget);
        QTest::touchEvent(plot.get(), device).release(0, QPoint(500, 200), noWidget);
    }
    QVERIFY(plot->xAxis->range().upper < 100);
    QCOMPARE(rangeChanged.count(), 0);
}

void PlotsTest::liveModeShowsTheNewestSamples_data()
{
    QTest::addColumn<int>("samples");
    QTest::addColumn<double>("firstKey");
    QTest::addColumn<QCPRange>("keyRange");
    QTest::newRow("150") << 150 << 0.0 << QCPRange(0, 220);
    QTest::newRow("250") << 250 << 50.0 << QCPRange(50, 270);
}

void PlotsTest::liveModeShowsTheNewestSamples()
{
    QFETCH(int, samples);
    QFETCH(double, firstKey);
    QFETCH(QCPRange, keyRange);
    // Delivered in reports of 50 samples, as a run sends them.
    const QList<double> all = ramp(samples);
    for (int i = 0; i < samples; i += 50)
        plot->setData(all.mid(i, 50), MeasureWaveformWidget::LiveMode);
    QCOMPARE(plot->profile().size(), samples);
    QCOMPARE(plot->graph(0)->dataCount(), qMin(samples, MeasureWaveformWidget::kLiveWindow));
    QCOMPARE(plot->graph(0)->data()->at(0)->key, firstKey);
    QCOMPARE(plot->graph(0)->data()->at(plot->graph(0)->dataCount() - 1)->key, samples - 1.0);
    const double half = keyRange.size() / 2 * 1.05;
    QVERIFY(sameRange(plot->xAxis->range(), QCPRange(keyRange.center() - half, keyRange.center() + half)));
    QVERIFY(sameRange(plot->yAxis->range(), QCPRange(-3 - 0.15, 3 + 0.15)));
    QVERIFY(!plot->leftRangeLine()->visible() && !plot->selectArea()->isChecked());
}

void PlotsTest::liveViewDependsOnTheDataAlone_data()
{
    QTest::addColumn<QList<double>>("data");
    QTest::addColumn<QCPRange>("values");
    QTest::newRow("one sample") << QList<double>{5.0} << QCPRange(4.0 - 0.05, 6.0 + 0.05);
    QTest::newRow("equal values") << QList<double>{70000.0, 70000.0} << QCPRange(69999.0 - 0.05, 70001.0 + 0.05);
    QTest::newRow("all negative") << QList<double>{-4.0, -2.0} << QCPRange(-4.05, -1.95);
}

void PlotsTest::liveViewDependsOnTheDataAlone()
{
    QFETCH(QList<double>, data);
    QFETCH(QCPRange, values);
    QList<QCPRange> seen;
    for (const QList<double> &before : {QList<double>(), QList<double>{-800.0, 900.0}}) {
        plot = std::make_unique<MeasureWaveformWidget>();
        if (!before.isEmpty())
            plot->setData(before, MeasureWaveformWidget::FullMode);
        // Every report repeats the same values: the view must not drift.
        for (int report = 0; report < 3; ++report) {
            plot->setData(report == 0 ? data : QList<double>(), MeasureWaveformWidget::LiveMode);
            seen << plot->yAxis->range();
        }
    }
    for (const QCPRange &range : seen)
        QVERIFY2(sameRange(range, values), qPrintable(QString("%1 .. %2").arg(range.lower).arg(range.upper)));
}

void PlotsTest::newRunStartsAFreshLiveList()
{
    plot->setData(ramp(400), MeasureWaveformWidget::FullMode);
    plot->setData(ramp(10), MeasureWaveformWidget::LiveMode);
    QCOMPARE(plot->profile().size(), 10);
    QCOMPARE(plot->graph(0)->dataCount(), 10);
    QSignalSpy rangeChanged(GlobalData::instance(), &GlobalData::calculateRangeChanged);
    plot->setData(ramp(10), MeasureWaveformWidget::LiveMode);
    QCOMPARE(plot->profile().size(), 20);
    QCOMPARE(rangeChanged.count(), 0);
}

void PlotsTest::selectAreaButtonTogglesTheLines()
{
    plot->setData(ramp(400), MeasureWaveformWidget::FullMode);
    const auto range = calculateRange();
    QTest::mouseClick(plot->selectArea(), Qt::LeftButton);
    QVERIFY(!plot->leftRangeLine()->visible() && !plot->rightRangeLine()->visible());
    QTest::mouseClick(plot->selectArea(), Qt::LeftButton);
    QVERIFY(plot->leftRangeLine()->visible() && plot->rightRangeLine()->visible());
    QCOMPARE(calculateRange(), range);
}

void PlotsTest::amplitudeCurveSplitsAtTheTurningPoint_data()
{
    QTest::addColumn<QVector<double>>("keys");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<QVector<double>>("firstKeys");
    QTest::addColumn<QVector<double>>("firstValues");
    QTest::addColumn<QVector<double>>("secondKeys");
    QTest::addColumn<QVector<double>>("secondValues");
    QTest::newRow("rise and fall") << QVector<double>{0, 50, 100, 100, 50, 0} << QVector<double>{1, 2, 3, 4, 5, 6}
                                   << QVector<double>{0, 50, 100} << QVector<double>{1, 2, 3}
                                   << QVector<double>{0, 50, 100} << QVector<double>{6, 5, 4};
    QTest::newRow("no exact 100") << QVector<double>{0, 99.999, 0} << QVector<double>{1, 2, 3}
                                  << QVector<double>{0, 0, 99.999} << QVector<double>{1, 3, 2} << QVector<double>{}
                                  << QVector<double>{};
    QTest::newRow("starts at 100") << QVector<double>{100, 50, 0} << QVector<double>{1, 2, 3} << QVector<double>{100}
                                   << QVector<double>{1} << QVector<double>{0, 50} << QVector<double>{3, 2};
    QTest::newRow("more values than keys")
        << QVector<double>{0, 100, 0} << QVector<double>{1, 2, 3, 4} << QVector<double>{0, 100} << QVector<double>{1, 2}
        << QVector<double>{0} << QVector<double>{3};
}

void PlotsTest::amplitudeCurveSplitsAtTheTurningPoint()
{
    QFETCH(QVector<double>, keys);
    QFETCH(QVector<double>, values);
    QFETCH(QVector<double>, firstKeys);
    QFETCH(QVector<double>, firstValues);
    QFETCH(QVector<double>, secondKeys);
    QFETCH(QVector<double>, secondValues);
    AbbottFirestoneWidget widget;
    widget.setAmplitudeData(keys, values);
    CustomPlot *amplitude = widget.amplitude();
    QCOMPARE(amplitude->graphCount(), 2);
    // The graphs keep their points sorted by key.
    QCOMPARE(keysOf(amplitude->graph(0)), firstKeys);
    QCOMPARE(valuesOf(amplitude->graph(0)), firstValues);
    QCOMPARE(keysOf(amplitude->graph(1)), secondKeys);
    QCOMPARE(valuesOf(amplitude->graph(1)), secondValues);
}

void PlotsTest::materialRatioPlotsAreSquares()
{
    AbbottFirestoneWidget widget;
    widget.resize(900, 300);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTRY_COMPARE(widget.abbottFirestone()->size(), QSize(300, 300));
    QCOMPARE(widget.amplitude()->size(), QSize(300, 300));
    // Equal gaps left of, between and right of the plots.
    const int left = widget.abbottFirestone()->x();
    const int between = widget.amplitude()->x() - widget.abbottFirestone()->geometry().right() - 1;
    const int right = widget.width() - widget.amplitude()->geometry().right() - 1;
    QVERIFY(qAbs(left - between) <= 1 && qAbs(between - right) <= 1);

    // Too narrow for two squares of its height: the squares shrink instead
    // of widening the window.
    widget.resize(400, 300);
    QTRY_COMPARE(widget.amplitude()->size(), QSize(200, 200));
    QCOMPARE(widget.width(), 400);

    // Empty curves leave the views as they are, however often they come.
    widget.setAbbottFirestoneData({}, {});
    const QCPRange keys = widget.abbottFirestone()->xAxis->range();
    widget.setAbbottFirestoneData({}, {});
    QVERIFY(sameRange(widget.abbottFirestone()->xAxis->range(), keys));
}

void PlotsTest::curveButtonsChooseThePlot_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("plotClass");
    QTest::addColumn<bool>("materialRatio");
    QTest::newRow("measured profile") << 0 << "MeasureWaveformWidget" << false;
    QTest::newRow("form removed") << 1 << "ShapeRemovalWidget" << false;
    QTest::newRow("waviness") << 2 << "WavinessWidget" << false;
    QTest::newRow("roughness") << 3 << "RoughnessWidget" << false;
    QTest::newRow("material ratio") << 4 << "AbbottFirestoneWidget" << true;
}

void PlotsTest::curveButtonsChooseThePlot()
{
    QFETCH(int, button);
    QFETCH(QString, plotClass);
    QFETCH(bool, materialRatio);
    WaveformWidget area;
    area.init();
    // PushButton has no meta-object of its own; the curve buttons are told
    // apart from the plot's tool button by their size.
    QList<QPushButton *> buttons;
    for (QPushButton *each : area.findChildren<QPushButton *>()) {
        if (each->size() == QSize(140, 45))
            buttons << each;
    }
    QCOMPARE(buttons.size(), 5);
    auto *stack = area.findChild<QStackedWidget *>();
    QSignalSpy checked(&area, &WaveformWidget::checkAbbottFirestoneButton);
    QSignalSpy unchecked(&area, &WaveformWidget::uncheckAbbottFirestoneButton);
    // A second tap on the checked button keeps it and says so again.
    for (int tap = 1; tap <= 2; ++tap) {
        QTest::mouseClick(buttons.at(button), Qt::LeftButton);
        for (int i = 0; i < buttons.size(); ++i)
            QCOMPARE(buttons.at(i)->isChecked(), i == button);
        QCOMPARE(plotKind(stack->currentWidget()), plotClass);
        QCOMPARE(checked.count(), materialRatio ? tap : 0);
        QCOMPARE(unchecked.count(), materialRatio ? 0 : tap);
    }
    area.showMeasurementCurve();
    QVERIFY(buttons.first()->isChecked());
    QCOMPARE(stack->currentIndex(), 0);
    QCOMPARE(unchecked.count(), materialRatio ? 1 : 3);
}

void PlotsTest::liveSamplesAreScaledByTheFactor()
{
    GlobalData::instance()->calibrationFactor = 0.5;
    WaveformWidget area;
    area.init();
    auto *measured = area.findChild<MeasureWaveformWidget *>();
    emit GlobalManager::instance()->networkController->realTimeDataRecved({1000.0, 2000.0});
    QCOMPARE(measured->displayMode(), int(MeasureWaveformWidget::LiveMode));
    QCOMPARE(valuesOf(measured->graph(0)), (QVector<double>{500.0, 1000.0}));
}

void PlotsTest::stopClearsOnlyTheMeasuredProfile()
{
    GlobalData *data = GlobalData::instance();
    data->calcutateResult.measureDataList = ramp(40);
    WaveformWidget area;
    area.init();
    auto *measured = area.findChild<MeasureWaveformWidget *>();
    auto *roughness = findPlot<RoughnessWidget>(&area);
    QCOMPARE(measured->graph(0)->dataCount(), 40);
    const int roughnessPoints = roughness->graph(0)->dataCount();
    QVERIFY(roughnessPoints > 0);
    emit GlobalManager::instance()->networkController->stopMeasurement();
    QCOMPARE(measured->graphCount(), 0);
    QVERIFY(measured->profile().isEmpty());
    QCOMPARE(roughness->graph(0)->dataCount(), roughnessPoints);
    data->calcutateResult = CalculateResult();
}

void PlotsTest::needlePositionDrivesTheGauge_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("value");
    QTest::newRow("0") << 0 << -500.0;
    QTest::newRow("1") << 1 << -499.0;
    QTest::newRow("59") << 59 << -499.0;
    QTest::newRow("30000") << 30000 << 0.0;
    QTest::newRow("65535, clamped") << 65535 << 500.0;
}

void PlotsTest::needlePositionDrivesTheGauge()
{
    QFETCH(int, position);
    QFETCH(double, value);
    TopWidget top;
    top.init();
    auto *gauge = top.findChild<SensorIndicator *>();
    QCOMPARE(gauge->width(), 30);
    emit GlobalManager::instance()->networkController->needlePosition(position);
    QTRY_COMPARE(gauge->value(), value);
}

QTEST_MAIN(PlotsTest)
#include "PlotsTest.moc"
