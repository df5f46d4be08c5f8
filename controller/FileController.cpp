#include "FileController.h"

#include "Codes.h"
#include "FileModel.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "KeyedNotice.h"
#include "Language.h"
#include "SqliteService.h"

#include <QDate>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace {

constexpr double defaultCalibrationFactor = 0.0254189;
// Longest file name the file systems we store on accept, in bytes.
constexpr int maxFileNameBytes = 255;

const QString counterPath = QStringLiteral("./settings.ini");
const QString counterDateKey = QStringLiteral("saveData/date");
const QString counterTimesKey = QStringLiteral("saveData/times");
const QString fileSuffix = QStringLiteral(".json");

QSet<QString> indexedNames(SqliteService *service)
{
    QSet<QString> names;
    for (const MeasureDataFileInfo &info : service->selectAllMeasureDataFileInfo())
        names.insert(info.fileName);
    return names;
}

// A hand-edited counter may be negative or at the end of int's range; the
// day's numbering then starts again from the first free name.
qint64 storedTimes(const QSettings &counter)
{
    return std::max(counter.value(counterTimesKey).toInt(), 0);
}

SystemConfig currentSystemConfig()
{
    const GlobalData *data = GlobalData::instance();
    SystemConfig config;
    config.language = Language::instance()->language;
    config.unit = data->unit;
    config.isAutoSave = data->isAutoSave;
    config.aboutInfo = data->aboutInfo;
    config.settingsData = data->settingsData;
    config.calibrationFactor = data->calibrationFactor;
    return config;
}

} // namespace

FileController::FileController(QObject *parent)
    : QObject(parent)
{
}

void FileController::setFileModel(FileModel *model)
{
    fileModel = model;
}

void FileController::setSqliteService(SqliteService *service)
{
    sqliteService = service;
}

bool FileController::isPlainFileName(const QString &name)
{
    if (name.isEmpty() || name == "." || name == "..")
        return false;
    if ((name + fileSuffix).toUtf8().size() > maxFileNameBytes)
        return false;
    for (const QChar c : name) {
        if (c == '/' || c == '\\' || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString FileController::filePath(const QString &name) const
{
    if (!isPlainFileName(name))
        return QString();
    return GlobalConfig::instance()->dataStorageDir + "/" + name + fileSuffix;
}

bool FileController::isNameTaken(const QString &name) const
{
    return QFile::exists(filePath(name)) || indexedNames(sqliteService).contains(name);
}

QString FileController::currentTimeString()
{
    return QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss");
}

QString FileController::nextFileName() const
{
    QSettings counter(counterPath, QSettings::IniFormat);
    const QString today = QDate::currentDate().toString("yyMMdd");
    qint64 times = storedTimes(counter);
    if (counter.value(counterDateKey).toString() != today) {
        counter.setValue(counterTimesKey, 0);
        counter.setValue(counterDateKey, today);
        times = 0;
    }

    // A counter behind the files of the day (settings.ini lost, clock set
    // back) must not lead to an earlier measurement being replaced.
    const QSet<QString> indexed = indexedNames(sqliteService);
    QString name;
    for (qint64 number = times + 1;; ++number) {
        name = today + QString::number(number);
        if (!indexed.contains(name) && !QFile::exists(filePath(name)))
            return name;
    }
}

bool FileController::saveMeasurementFile(const QString &name, const QString &measureTime)
{
    const QString path = filePath(name);
    if (path.isEmpty()) {
        showKeyedNotice("pleaseEnterANewName", NoticeCode::Error);
        return false;
    }
    if (isNameTaken(name)) {
        showKeyedNotice("duplicateFileName", NoticeCode::Error);
        return false;
    }

    const GlobalData *data = GlobalData::instance();
    MeasureDataFile file;
    file.measureDataInfo.fileName = name;
    file.measureDataInfo.measureTime = measureTime;
    file.measureDataInfo.settingsData = data->settingsData;
    file.calcutateResult = data->calcutateResult;

    if (!fileModel->saveMeasurementFile(file, path)) {
        qDebug() << "measurement file could not be written:" << path;
        showKeyedNotice("saveFailed", NoticeCode::Error);
        return false;
    }
    // A file the index does not know would never be listed; take it back.
    if (!sqliteService->insertMeasureDataFileInfo(file.measureDataInfo)) {
        QFile::remove(path);
        showKeyedNotice("saveFailed", NoticeCode::Error);
        return false;
    }

    QSettings counter(counterPath, QSettings::IniFormat);
    counter.setValue(counterTimesKey, storedTimes(counter) + 1);
    qDebug() << measureTime;

    publishFileList();
    showKeyedNotice("savedSuccessfully", NoticeCode::Success);
    return true;
}

void FileController::onDataReceiveCompleted()
{
    if (!GlobalData::instance()->isAutoSave)
        return;
    const QString name = nextFileName();
    saveMeasurementFile(name, currentTimeString());
}

bool FileController::loadMeasurementFile(const QString &name, MeasureDataFile &file) const
{
    const QString path = filePath(name);
    if (path.isEmpty() || !fileModel->loadMeasurementFile(file, path)) {
        qDebug() << "measurement file could not be read:" << name;
        return false;
    }
    return true;
}

bool FileController::openMeasurementFile(const QString &name)
{
    MeasureDataFile file;
    if (!loadMeasurementFile(name, file))
        return false;
    GlobalData *data = GlobalData::instance();
    data->setCalculateResult(file.calcutateResult);
    data->setSettingsData(file.measureDataInfo.settingsData);
    // The opened profile is evaluated under its own settings whatever range
    // was shown before; a range that happens to be equal would otherwise
    // leave the evaluation out.
    emit data->calculateRangeChanged();
    emit data->measureDataListChanged();
    return true;
}

bool FileController::renameMeasurementFile(MeasureDataFileInfo entry, const QString &newName)
{
    if (newName == entry.fileName)
        return true;
    const QString oldName = entry.fileName;
    const QString newPath = filePath(newName);
    if (newPath.isEmpty()) {
        showKeyedNotice("pleaseEnterANewName", NoticeCode::Error);
        return false;
    }
    for (const MeasureDataFileInfo &shown : qAsConst(GlobalData::instance()->measureDataInfoList)) {
        if (shown.fileName == newName) {
            showKeyedNotice("duplicateFileName", NoticeCode::Error);
            return false;
        }
    }
    // The list on screen may be a search result; the index knows every name.
    if (indexedNames(sqliteService).contains(newName)) {
        showKeyedNotice("duplicateFileName", NoticeCode::Error);
        return false;
    }

    const QString oldPath = filePath(oldName);
    if (oldPath.isEmpty() || !QFile::rename(oldPath, newPath)) {
        showKeyedNotice("theFileIsOccupied.", NoticeCode::Error);
        return false;
    }
    entry.fileName = newName;
    if (!sqliteService->renameMeasureDataFileInfo(oldName, entry)) {
        if (!QFile::rename(newPath, oldPath))
            qDebug() << "rename could not be undone:" << newPath << "should be" << oldPath;
        showKeyedNotice("theFileIsOccupied.", NoticeCode::Error);
        return false;
    }

    publishFileList();
    showKeyedNotice("renameSucceeded", NoticeCode::Success);
    return true;
}

bool FileController::deleteMeasurementFiles(const QStringList &names)
{
    bool allDeleted = true;
    QStringList removed;
    for (const QString &name : names) {
        const QString path = filePath(name);
        if (!path.isEmpty() && (!QFile::exists(path) || QFile::remove(path))) {
            removed << name;
        } else {
            qDebug() << "measurement file could not be removed:" << name;
            allDeleted = false;
        }
    }
    if (!sqliteService->deleteMeasureDataFileInfos(removed))
        allDeleted = false;

    publishFileList();
    if (allDeleted)
        showKeyedNotice("deleteSucceeded", NoticeCode::Success);
    else
        showKeyedNotice("theFileIsOccupied.", NoticeCode::Error);
    return allDeleted;
}

bool FileController::exportMeasurementFile(const QString &name, const QString &csvPath) const
{
    MeasureDataFile file;
    return loadMeasurementFile(name, file) &&
           fileModel->exportMeasurementData(file, GlobalData::instance()->unit, csvPath);
}

bool FileController::exportExecutingMachineData(DATA_SAVE record, const QList<QPair<QString, QString>> &parameterRows,
                                                const QString &csvPath) const
{
    const GlobalData *data = GlobalData::instance();
    const InstrumentOptionLists options{data->instrumentRangeList, data->instrumentStandardList,
                                        data->instrumentFilterList, data->instrumentSamplingLengthList};
    return fileModel->exportExecutingMachineData(record, parameterRows, options, csvPath);
}

void FileController::loadSystemConfig()
{
    // An unreadable file leaves every value as it stands.
    SystemConfig config = currentSystemConfig();
    const QString path = GlobalConfig::instance()->systemConfigPath;
    if (!fileModel->loadSystemConfig(config, path))
        qDebug() << "configuration could not be read:" << path;

    GlobalData *data = GlobalData::instance();
    // Through the setter, so that the texts every page takes while it is built
    // are already those of the stored language.
    Language::instance()->setLanguage(config.language);
    data->unit = config.unit;
    data->isAutoSave = config.isAutoSave;
    data->aboutInfo = config.aboutInfo;
    data->settingsData = config.settingsData.withinRange();
    const double factor = config.calibrationFactor;
    data->calibrationFactor = std::isfinite(factor) && factor > 0 ? factor : defaultCalibrationFactor;
}

bool FileController::saveSystemConfig()
{
    const QString path = GlobalConfig::instance()->systemConfigPath;
    if (fileModel->saveSystemConfig(currentSystemConfig(), path))
        return true;
    qDebug() << "configuration could not be written:" << path;
    return false;
}

void FileController::reconcileIndex()
{
    const QDir dir(GlobalConfig::instance()->dataStorageDir);
    // A folder out of reach is no sign that its measurements are gone.
    if (!dir.exists() || !dir.isReadable())
        return;
    const QSet<QString> indexed = indexedNames(sqliteService);

    QSet<QString> onDisk;
    const QStringList fileNames = dir.entryList({"*" + fileSuffix}, QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    for (const QString &fileName : fileNames) {
        const QString name = fileName.chopped(fileSuffix.size());
        if (!isPlainFileName(name))
            continue;
        onDisk.insert(name);
        if (indexed.contains(name))
            continue;
        MeasureDataFile file;
        if (!fileModel->loadMeasurementFile(file, filePath(name))) {
            qDebug() << "index not mended: not a whole measurement file, left unlisted:" << fileName;
            continue;
        }
        // A file renamed before the crash still holds its old name; the
        // name on disk is the one every other operation uses.
        file.measureDataInfo.fileName = name;
        if (sqliteService->insertMeasureDataFileInfo(file.measureDataInfo))
            qDebug() << "index mended: listed measurement file without a row:" << name;
        else
            qDebug() << "index not mended: no row could be made for" << name;
    }

    for (const QString &name : indexed) {
        if (onDisk.contains(name))
            continue;
        if (sqliteService->deleteMeasureDataFileInfo(name))
            qDebug() << "index mended: dropped the row of a missing measurement file:" << name;
        else
            qDebug() << "index not mended: the row of a missing measurement file stays:" << name;
    }
}

void FileController::publishFileList()
{
    GlobalData::instance()->setMeasureDataInfoList(sqliteService->selectAllMeasureDataFileInfo());
}
