#ifndef ABBOTTFIRESTONEWIDGET_H
#define ABBOTTFIRESTONEWIDGET_H

#include <QVector>
#include <QWidget>

class CustomPlot;

// The material-ratio curve and the amplitude-distribution curve side by side,
// each in a square plot as high as the widget (or half its width, where that
// is less), spaced evenly across its width.
class AbbottFirestoneWidget : public QWidget
{
public:
    explicit AbbottFirestoneWidget(QWidget *parent = nullptr);

    void setAbbottFirestoneLabels(const QString &xLabel, const QString &yLabel);
    void setAmplitudeLabels(const QString &xLabel, const QString &yLabel);
    void setAbbottFirestoneData(const QVector<double> &keys, const QVector<double> &values);
    // The amplitude key rises to 100 and falls back; each branch is drawn as a
    // graph of its own, split after the first key of exactly 100.
    void setAmplitudeData(const QVector<double> &keys, const QVector<double> &values);

    CustomPlot *abbottFirestone() const { return abbottFirestonePlot; }
    CustomPlot *amplitude() const { return amplitudePlot; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    CustomPlot *abbottFirestonePlot;
    CustomPlot *amplitudePlot;
};

#endif
