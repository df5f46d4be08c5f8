#include "SettingsModel.h"

#include "GlobalData.h"
#include "Language.h"

#include <QDebug>

namespace {
QStringList translated(const QStringList &keys)
{
    QStringList texts;
    for (const QString &key : keys)
        texts.append(Language::instance()->text(key));
    return texts;
}

QStringList cutoffList(const QList<double> &values, int decimals, const QString &unit)
{
    QStringList texts{Language::instance()->text("auto")};
    for (double value : values)
        texts.append(QString::number(value, 'f', decimals) + " " + unit);
    return texts;
}

SettingsData &settings()
{
    return GlobalData::instance()->settingsData;
}
}

SettingsModel::SettingsModel(QObject *parent)
    : QObject(parent)
{
}

int SettingsModel::calculateStandard() const
{
    return settings().calculateStandard;
}
int SettingsModel::shapeRemoval() const
{
    return settings().shapeRemoval;
}
int SettingsModel::waveFilter() const
{
    return settings().waveFilter;
}
int SettingsModel::cutoffWavelengthS() const
{
    return settings().cutoffWavelengthS;
}
int SettingsModel::cutoffWavelengthC() const
{
    return settings().cutoffWavelengthC;
}
double SettingsModel::samplingLength() const
{
    return settings().samplingLength;
}
int SettingsModel::samplingNumber() const
{
    return settings().samplingNumber;
}
int SettingsModel::measureRange() const
{
    return settings().measureRange;
}

bool SettingsModel::store(int SettingsData::*field, int index, int count)
{
    if (index < 0 || index >= count) {
        qDebug() << "option index refused:" << index;
        return false;
    }
    settings().*field = index;
    return true;
}

void SettingsModel::setCalculateStandard(int index)
{
    if (store(&SettingsData::calculateStandard, index, SettingsData::calculateStandardCount))
        emit calculateStandardChanged(index);
}

void SettingsModel::setShapeRemoval(int index)
{
    if (store(&SettingsData::shapeRemoval, index, SettingsData::shapeRemovalCount))
        emit shapeRemovalChanged(index);
}

void SettingsModel::setWaveFilter(int index)
{
    if (store(&SettingsData::waveFilter, index, SettingsData::waveFilterCount))
        emit waveFilterChanged(index);
}

void SettingsModel::setCutoffWavelengthS(int index)
{
    if (store(&SettingsData::cutoffWavelengthS, index, SettingsData::cutoffWavelengthSCount))
        emit cutoffWavelengthSChanged(index);
}

void SettingsModel::setCutoffWavelengthC(int index)
{
    if (store(&SettingsData::cutoffWavelengthC, index, SettingsData::cutoffWavelengthCCount))
        emit cutoffWavelengthCChanged(index);
}

void SettingsModel::setSamplingLength(int index)
{
    if (store(&SettingsData::samplingLength, index, SettingsData::samplingLengthCount))
        emit samplingLengthChanged(index);
}

void SettingsModel::setSamplingNumber(int index)
{
    if (store(&SettingsData::samplingNumber, index, SettingsData::samplingNumberCount))
        emit samplingNumberChanged(index);
}

void SettingsModel::setMeasureRange(int index)
{
    if (store(&SettingsData::measureRange, index, SettingsData::measureRangeCount))
        emit measureRangeChanged(index);
}

QStringList SettingsModel::calculateStandardList()
{
    return {"JIS-82", "JIS-87", "JIS-94", "JIS-01", "JIS-13", "ISO-84", "ISO-97", "DIN-90", "ASME-95", "GB-14"};
}

QStringList SettingsModel::shapeRemovalList()
{
    return translated({"auto", "global", "firstHalf", "latterHalf", "centre", "twoPoint", "spline"});
}

QStringList SettingsModel::waveFilterList()
{
    return {Language::instance()->text("auto"), "Gaussian", "FFT", "PC", "DP", "2RC"};
}

QStringList SettingsModel::cutoffWavelengthSList()
{
    return cutoffList({0, 2.5, 8, 25}, 2, "μm");
}

QStringList SettingsModel::cutoffWavelengthCList()
{
    return cutoffList({0.025, 0.08, 0.25, 0.8, 2.5, 8}, 3, "mm");
}

QStringList SettingsModel::samplingLengthList()
{
    return {"0.25 mm", "0.8 mm", "2.5 mm"};
}

QStringList SettingsModel::samplingNumberList()
{
    return {"1", "2", "3", "4", "5"};
}

QStringList SettingsModel::measureRangeList()
{
    return {"40 μm", "80 μm", "160 μm"};
}

QString SettingsModel::calculateStandardText(int index)
{
    return calculateStandardList().value(index);
}
QString SettingsModel::shapeRemovalText(int index)
{
    return shapeRemovalList().value(index);
}
QString SettingsModel::waveFilterText(int index)
{
    return waveFilterList().value(index);
}
QString SettingsModel::cutoffWavelengthSText(int index)
{
    return cutoffWavelengthSList().value(index);
}
QString SettingsModel::cutoffWavelengthCText(int index)
{
    return cutoffWavelengthCList().value(index);
}
QString SettingsModel::samplingLengthText(int index)
{
    return samplingLengthList().value(index);
}
QString SettingsModel::samplingNumberText(int index)
{
    return samplingNumberList().value(index);
}
QString SettingsModel::measureRangeText(int index)
{
    return measureRangeList().value(index);
}

double SettingsModel::samplingLengthValue(int index)
{
    return samplingLengthText(index).section(' ', 0, 0).toDouble();
}

int SettingsModel::samplingNumberValue(int index)
{
    return samplingNumberText(index).toInt();
}
