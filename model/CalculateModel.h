#ifndef CALCULATEMODEL_H
#define CALCULATEMODEL_H

#include "CalculateResult.h"
#include "Kavrix.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <optional>

using NameValuePairs = QList<QPair<QString, QString>>;

// Where the program meets the calculation library: builds the parameter
// tables, evaluates the calculate range into GlobalData and runs the Ra
// calibration of the height factor.
class CalculateModel : public QObject
{
    Q_OBJECT
public:
    explicit CalculateModel(QObject *parent = nullptr);

    void calculate();
    void updateParameterNameList();

    const CalculateResult &calculateResult() const;
    NameValuePairs parameterNameValuePairs() const;
    NameValuePairs abbottNameValuePairs() const;
    NameValuePairs nameValuePairs(const QList<ParameterEntry> &list) const;
    int referenceLcOption() const;

    // Height factor of a measuring range index; 0 for an index outside the
    // table, which the library rejects.
    static double rangeFactor(int measureRange);

    // One entry per named slot of the given group and standard row, in slot order.
    static QList<ParameterEntry> parameterEntries(const Info &info, int group, int row, int slotCount);

    // Writes the clipped calculate range of the samples into the record's raw
    // curve, never more than the record's capacity, and sets N and EvalLength
    // (fullLength is the length in mm of the whole profile).
    static void loadSamples(ParaRecord &record, const QList<double> &samples, int left, int right, double fullLength);

    // Copies the curves and merges the parameter values of an evaluated record.
    // A rejected evaluation leaves the curves empty and the entries unmeasured.
    static void readResults(const ParaRecord &record, CalculateResult &result);

    // The calibration factor that makes a profile of Ra ra (in raw counts)
    // read referenceRa; none when the inputs give no usable factor.
    static std::optional<double> calibratedFactor(double referenceRa, double ra, double rangeFactor);

signals:
    void parameterCalculated();
    void parameterNameListChanged();
    // A new calibration factor was stored and must reach the instrument.
    void calibrationFactorUpdated();

private:
    void calibrate();
};

#endif
