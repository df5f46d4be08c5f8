#ifndef WAVEFORMWIDGET_H
#define WAVEFORMWIDGET_H

#include "Widget.h"

#include <QList>

class AbbottFirestoneWidget;
class MeasureWaveformWidget;
class PushButton;
class QStackedWidget;
class RoughnessWidget;
class ShapeRemovalWidget;
class WavinessWidget;

// The curve area of the measure page: five plots in a stack and the column of
// buttons that chooses the one shown. It keeps every plot filled from the
// shared state and feeds the measured-profile plot with live samples.
class WaveformWidget : public Widget
{
    Q_OBJECT
public:
    explicit WaveformWidget(QWidget *parent = nullptr);

    void showMeasurementCurve();
    void updateMeasureCurve();
    void updateCalculatedCurves();

signals:
    void checkAbbottFirestoneButton();
    void uncheckAbbottFirestoneButton();

public slots:
    void onWaveformSwitched();

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;

private:
    QWidget *plotFrame = nullptr;
    QStackedWidget *plotStack = nullptr;
    MeasureWaveformWidget *measureWaveformWidget = nullptr;
    RoughnessWidget *roughnessWidget = nullptr;
    ShapeRemovalWidget *shapeRemovalWidget = nullptr;
    WavinessWidget *wavinessWidget = nullptr;
    AbbottFirestoneWidget *abbottFirestoneWidget = nullptr;
    QWidget *separatorLine = nullptr;
    QWidget *buttonColumn = nullptr;
    PushButton *measurementCurveButton = nullptr;
    PushButton *shapeRemovalButton = nullptr;
    PushButton *wavinessProfileButton = nullptr;
    PushButton *roughnessProfileButton = nullptr;
    PushButton *abbottFirestoneCurveButton = nullptr;
    // The five buttons, top to bottom.
    QList<PushButton *> curveButtons;
};

#endif
