#ifndef MEASUREWAVEFORMWIDGET_H
#define MEASUREWAVEFORMWIDGET_H

#include "CustomPlot.h"

#include <QList>

class TouchButton;

// The measured profile: the newest samples while a run goes on (live mode),
// or the whole profile with two range lines that choose the evaluated stretch
// (full mode). In full mode the key of sample i is i * 0.25.
class MeasureWaveformWidget : public CustomPlot
{
    Q_OBJECT
public:
    enum DisplayMode { NothingShown = -1, LiveMode = 0, FullMode = 1 };

    explicit MeasureWaveformWidget(QWidget *parent = nullptr);

    void setData(const QList<double> &data, int mode);
    // Puts the lines at the keys left and right and has that stretch evaluated.
    void setCalculateRange(int left, int right);
    void clearData();
    void setRangeLinesVisible(bool visible);
    void resetView();

    int displayMode() const { return mode; }
    const QList<double> &profile() const { return profileData; }
    double leftKey() const { return rangeLeft; }
    double rightKey() const { return rangeRight; }
    QCPItemLine *leftRangeLine() const { return leftLine; }
    QCPItemLine *rightRangeLine() const { return rightLine; }
    TouchButton *selectArea() const { return selectAreaButton; }

    // Most samples shown at once in live mode.
    static constexpr int kLiveWindow = 200;

public slots:
    void onRangeChanged(QCPRange range);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void onDoubleTap() override;

private:
    void showLive(const QList<double> &data);
    void showFull(const QList<double> &data);
    // Only the visible lines of a shown full profile can be taken; a press
    // anywhere else belongs to the pan.
    bool linesCanBeGrabbed() const;
    void press(const QPointF &pos);
    void drag(const QPointF &pos);
    void release();
    // A double click or double tap: on a full profile it selects the whole
    // profile again; otherwise it only fits the view.
    bool selectWholeProfile();
    void placeToolBar();

    TouchButton *selectAreaButton = nullptr;
    QList<QWidget *> toolButtons;
    QWidget *toolBar = nullptr;
    int mode = NothingShown;
    QList<double> profileData;
    QCPItemLine *leftLine = nullptr;
    QCPItemLine *rightLine = nullptr;
    QCPItemLine *grabbedLine = nullptr;
    bool pressed = false;
    double lastX = 0.0;
    double lastY = 0.0;
    double rangeLeft = 0.0;
    double rangeRight = 0.0;
};

#endif
