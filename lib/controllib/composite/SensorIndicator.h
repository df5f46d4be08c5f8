#ifndef SENSORINDICATOR_H
#define SENSORINDICATOR_H

#include <QPointF>
#include <QWidget>

class QPainter;
class QTimer;

// The needle-position gauge: one value on a vertical scale in one of eight
// looks. A new value is shown on the next tick of a short timer, so a burst of
// values costs one repaint.
class SensorIndicator : public QWidget
{
    Q_OBJECT
public:
    enum Style { Ruled = 1, RuledEnds, Slim, Frame, FramePointer, Thermometer, Bar, VoltageBar };

    explicit SensorIndicator(QWidget *parent = nullptr);

    void setValue(double value);
    void setStyle(int style);

    double value() const { return currentValue; }
    double minimum() const { return minValue; }
    double maximum() const { return maxValue; }

public slots:
    void onAnimationTimerTimeout();
    void updateRange(int value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawStyle1(QPainter &painter);
    void drawStyle2(QPainter &painter);
    void drawStyle3(QPainter &painter);
    void drawStyle4(QPainter &painter);
    void drawStyle5(QPainter &painter);
    void drawStyle6(QPainter &painter);
    void drawStyle7(QPainter &painter);
    void drawStyle8(QPainter &painter);
    void fitDesignBox(QPainter &painter, double boxWidth, double boxHeight, double originOffset);
    void drawFramedScale(QPainter &painter, int minorTickStart, double labelLeft);
    double fillFraction() const;

    int paintStyle = Ruled;
    double scale = 0.0;
    QPointF origin;
    double minValue = -500.0;
    double maxValue = 500.0;
    double currentValue = 0.0;
    double targetValue = 500.0;
    QTimer *animationTimer;
};

#endif
