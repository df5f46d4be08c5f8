#ifndef FILECONTROLLER_H
#define FILECONTROLLER_H

#include "DataSave.h"
#include "MeasureDataFile.h"
#include "SystemConfig.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

class FileModel;
class SqliteService;

// Every operation on stored measurements and on the configuration file.
// A measurement is known by its name, the base name of its file in the
// data-storage directory and the key of its index row; file and row are kept
// together. The operator hears of the outcome through notices; the results
// returned here let callers tell success from failure as well.
class FileController : public QObject
{
    Q_OBJECT
public:
    explicit FileController(QObject *parent = nullptr);

    void setFileModel(FileModel *model);
    void setSqliteService(SqliteService *service);

    // A name is usable when it stays a single file inside the data directory:
    // not empty, not "." or "..", no separators or control characters, and
    // short enough for the file system.
    static bool isPlainFileName(const QString &name);

    static QString currentTimeString();
    // Today's date and the day's counter, moved on past any name already on
    // disk or in the index.
    QString nextFileName() const;

    // Refuses names that are not plain or are already on disk or in the index;
    // a failed write or insert leaves counter, index and disk as they were.
    bool saveMeasurementFile(const QString &name, const QString &measureTime);
    // Leaves the shown measurement unchanged when the file cannot be read.
    bool openMeasurementFile(const QString &name);
    bool loadMeasurementFile(const QString &name, MeasureDataFile &file) const;
    bool renameMeasurementFile(MeasureDataFileInfo entry, const QString &newName);
    // Drops only the rows of files that are gone from the disk.
    bool deleteMeasurementFiles(const QStringList &names);
    bool exportMeasurementFile(const QString &name, const QString &csvPath) const;
    bool exportExecutingMachineData(DATA_SAVE record, const QList<QPair<QString, QString>> &parameterRows,
                                    const QString &csvPath) const;

    void loadSystemConfig();
    bool saveSystemConfig();

    // Brings index and data directory back to one row per measurement file
    // after a crash between a file and its row: a whole measurement file
    // without a row gets the row its save would have made, a row without a
    // file goes. A file that does not read as a measurement is left alone.
    void reconcileIndex();

public slots:
    void onDataReceiveCompleted();

private:
    // Empty for a name that is not plain, so no path outside the data
    // directory is ever built.
    QString filePath(const QString &name) const;
    bool isNameTaken(const QString &name) const;
    void publishFileList();

    FileModel *fileModel = nullptr;
    SqliteService *sqliteService = nullptr;
};

#endif
