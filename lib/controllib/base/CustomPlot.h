#ifndef CUSTOMPLOT_H
#define CUSTOMPLOT_H

#include <QElapsedTimer>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QVector>
#include <qcustomplot.h>

// The plot of every curve: the house look, and touch gestures in place of a
// mouse wheel (one finger pans, two fingers pinch, a double tap fits).
class CustomPlot : public QCustomPlot
{
    Q_OBJECT
public:
    enum ZoomAxes { ZoomHorizontal = 1, ZoomVertical = 2, ZoomBoth = 3 };
    enum TouchMode { NoTouch = 0, OneFinger = 1, TwoFingers = 2 };

    explicit CustomPlot(QWidget *parent = nullptr);

    void setScaleFactors(double x, double y);
    void rescaleWithMargins(double x, double y);
    void setGraphData(const QVector<double> &keys, const QVector<double> &values);
    void setSecondGraphData(const QVector<double> &keys, const QVector<double> &values);
    void setGraphValues(const QVector<double> &values);
    void setAxisRanges(double xLower, double xUpper, double yLower, double yUpper);
    void rescaleAndReplot();
    static void setAxisLabel(QCPAxis *axis, const QString &text);
    void setAxisLabels(const QString &xText, const QString &yText);
    static int lineDirection(double x1, double y1, double x2, double y2);

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void axisGlobalRectChanged(QRect rect);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    // A double tap of one finger; fits the view.
    virtual void onDoubleTap();
    // Follows a touch for the double-tap recognition; a subclass that takes
    // over touch updates passes them here.
    void recordTap(QEvent *event);

    double xScaleFactor = 1.03;
    double yScaleFactor = 1.6;
    QPen axisPen;
    QPen gridPen;
    QPen subGridPen;
    double pinchCenterX = 0.0;
    double pinchCenterY = 0.0;
    double panStartX = 0.0;
    double panStartY = 0.0;
    bool pinchStart = true;
    double lastDistance = 0.0;
    double currentDistance = 0.0;
    double zoomFactor = 1.0;
    int zoomAxes = 0;
    int touchMode = NoTouch;

private:
    void setGraphCurve(int index, const QVector<double> &keys, const QVector<double> &values, const QColor &color);

    QPointF tapStart;
    bool tapMoved = false;
    QElapsedTimer lastTap;
};

#endif
