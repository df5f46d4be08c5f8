#ifndef SETTINGSMODEL_H
#define SETTINGSMODEL_H

#include "SettingsData.h"

#include <QObject>
#include <QStringList>

// The eight evaluation and measuring settings of GlobalData, their option
// lists and what each option code means.
class SettingsModel : public QObject
{
    Q_OBJECT
public:
    explicit SettingsModel(QObject *parent = nullptr);

    int calculateStandard() const;
    int shapeRemoval() const;
    int waveFilter() const;
    int cutoffWavelengthS() const;
    int cutoffWavelengthC() const;
    double samplingLength() const;
    int samplingNumber() const;
    int measureRange() const;

    // Each setter stores and announces on every call, also when nothing
    // changed; an index outside the option list is refused.
    void setCalculateStandard(int index);
    void setShapeRemoval(int index);
    void setWaveFilter(int index);
    void setCutoffWavelengthS(int index);
    void setCutoffWavelengthC(int index);
    void setSamplingLength(int index);
    void setSamplingNumber(int index);
    void setMeasureRange(int index);

    static QStringList calculateStandardList();
    static QStringList shapeRemovalList();
    static QStringList waveFilterList();
    static QStringList cutoffWavelengthSList();
    static QStringList cutoffWavelengthCList();
    static QStringList samplingLengthList();
    static QStringList samplingNumberList();
    static QStringList measureRangeList();

    // Texts of an index; an index outside the list gives an empty text.
    static QString calculateStandardText(int index);
    static QString shapeRemovalText(int index);
    static QString waveFilterText(int index);
    static QString cutoffWavelengthSText(int index);
    static QString cutoffWavelengthCText(int index);
    static QString samplingLengthText(int index);
    static QString samplingNumberText(int index);
    static QString measureRangeText(int index);

    // Sampling length in mm and number of sampling lengths; 0 outside the list.
    static double samplingLengthValue(int index);
    static int samplingNumberValue(int index);

signals:
    void calculateStandardChanged(int index);
    void shapeRemovalChanged(int index);
    void waveFilterChanged(int index);
    void cutoffWavelengthSChanged(int index);
    void cutoffWavelengthCChanged(int index);
    void samplingLengthChanged(int index);
    void samplingNumberChanged(int index);
    void measureRangeChanged(int index);

private:
    bool store(int SettingsData::*field, int index, int count);
};

#endif
