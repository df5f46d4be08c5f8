#ifndef TOPWIDGET_H
#define TOPWIDGET_H

#include "Widget.h"

class SensorIndicator;
class WaveformWidget;

// The upper row of the measure page: the stylus-position gauge and the curve
// area.
class TopWidget : public Widget
{
    Q_OBJECT
public:
    explicit TopWidget(QWidget *parent = nullptr);

    void showMeasurementCurve();

    // The gauge value of a needle position reported by the unit.
    static double gaugeValue(int needlePosition);

signals:
    void checkAbbottFirestoneButton();
    void uncheckAbbottFirestoneButton();

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;

private:
    SensorIndicator *sensorIndicator = nullptr;
    WaveformWidget *waveformWidget = nullptr;
};

#endif
