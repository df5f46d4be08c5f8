#pragma once

#include "DataSave.h"
#include "InstrumentOptionLists.h"
#include "MeasureDataFile.h"
#include "SystemConfig.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPair>
#include <QStringList>
#include <QVariant>

// Turns records into files and files back into records: measurement files,
// the list file, SystemConfig.json and the CSV exports. Callers name every
// path; nothing here shows anything to the operator.
class FileModel : public QObject
{
    Q_OBJECT

public:
    explicit FileModel(QObject *parent = nullptr);

    // Writers replace the target only once the new content is completely on
    // disk and return false when it could not be; a failed write leaves an
    // earlier file untouched.
    bool saveMeasurementFile(const MeasureDataFile &file, const QString &path) const;
    // False, with the record untouched, when the file is missing, unreadable,
    // not a JSON object with the two record objects, or holds a list that is
    // no array, a number that is not finite or a setting that is no whole
    // number naming an option of its list. A loaded record's calculate range
    // is the whole profile.
    bool loadMeasurementFile(MeasureDataFile &file, const QString &path) const;

    bool saveMeasureDataInfoList(const QList<MeasureDataFileInfo> &list, const QString &path) const;
    bool loadMeasureDataInfoList(QList<MeasureDataFileInfo> &list, const QString &path) const;

    bool saveSystemConfig(const SystemConfig &config, const QString &path) const;
    // A missing file, and a file that is not a configuration, read as zeros
    // with the language left as given; of the latter a copy is kept beside it
    // first. False, with the record untouched, when the file exists but
    // cannot be read.
    bool loadSystemConfig(SystemConfig &config, const QString &path) const;

    // The parameter values are written in the given display unit.
    bool exportMeasurementData(const MeasureDataFile &file, int unit, const QString &path) const;
    // The record's option codes are written as the texts of the given lists.
    bool exportExecutingMachineData(DATA_SAVE record, const QList<QPair<QString, QString>> &parameterRows,
                                    const InstrumentOptionLists &options, const QString &path) const;

    QJsonObject measureDataFileInfoToJson(const MeasureDataFileInfo &info) const;
    // *ok is false when a setting is present but no whole number naming an
    // option of its list; such a setting reads as the configuration reads it.
    MeasureDataFileInfo jsonToMeasureDataFileInfo(const QJsonObject &object, bool *ok = nullptr) const;
    QJsonObject calculateResultToJson(const CalculateResult &result) const;
    // *ok is false when a list is no array or a number list holds an element
    // that is no finite number.
    CalculateResult jsonToCalculateResult(const QJsonObject &object, bool *ok = nullptr) const;
    static QHash<QString, QVariant> listsToVariantHash(const QStringList &keys, const QList<QVariant> &values);

    const QStringList samplingLengthNumbers;
    const QStringList samplingNumberTexts;
    const QStringList calculateStandardTexts;
    const QStringList shapeRemovalTexts;
    const QStringList waveFilterTexts;
    const QStringList cutoffWavelengthSTexts;
    const QStringList cutoffWavelengthCTexts;
    const QStringList samplingLengthTexts;
    const QStringList measureRangeTexts;

private:
    SettingsData jsonToSettingsData(const QJsonObject &object, bool *ok = nullptr) const;
    QString measurementLengthText(const SettingsData &settings) const;
};
