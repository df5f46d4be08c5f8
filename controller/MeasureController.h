#ifndef MEASURECONTROLLER_H
#define MEASURECONTROLLER_H

#include <QObject>

class MeasureModel;
class SettingsModel;

class MeasureController : public QObject
{
    Q_OBJECT
public:
    explicit MeasureController(QObject *parent = nullptr);

    void setMeasureModel(MeasureModel *model);
    void setSettingsModel(SettingsModel *model);

    void setCalculateStandard(int index);
    void setShapeRemoval(int index);
    void setWaveFilter(int index);
    void setCutoffWavelengthS(int index);
    void setCutoffWavelengthC(int index);
    // The sampling length arrives as the index held in a double.
    void setSamplingLength(double index);
    void setSamplingNumber(int index);
    void setMeasureRange(int index);

private:
    MeasureModel *measureModel = nullptr;
    SettingsModel *settingsModel = nullptr;
};

#endif
