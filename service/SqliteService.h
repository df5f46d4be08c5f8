#pragma once

#include "MeasureDataFileInfo.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QSqlQuery;

// The catalogue of stored measurements in database.db beside the program:
// one row per measurement file with its name, time and four settings. Every
// operation opens the database on the default connection and closes it again.
// Values are always bound, never pasted into the statement text.
class SqliteService : public QObject
{
    Q_OBJECT

public:
    // An empty path puts the database in the program's directory.
    explicit SqliteService(QObject *parent = nullptr, const QString &databasePath = QString());
    ~SqliteService() override;

    // Each operation that changes rows tells whether its statements succeeded;
    // a failed one changes nothing. A file that is no database, or a damaged
    // one, is kept beside it as database.db.corrupt-<time> and a new, empty
    // index made in its place.
    bool openDatabase();
    bool insertMeasureDataFileInfo(const MeasureDataFileInfo &info);
    bool insertMeasureDataFileInfos(const QList<MeasureDataFileInfo> &infos);
    bool deleteMeasureDataFileInfos(const QStringList &names);
    bool deleteMeasureDataFileInfo(const QString &name);
    bool deleteMeasureDataFileInfo(const MeasureDataFileInfo &info);
    bool deleteMeasureDataFileInfoList(const QList<MeasureDataFileInfo> &infos);
    bool replaceMeasureDataFileInfo(const MeasureDataFileInfo &info);
    // Moves the row of oldName to info's name in one transaction, so a failed
    // insert leaves the old row in place.
    bool renameMeasureDataFileInfo(const QString &oldName, const MeasureDataFileInfo &info);

    // Newest measure time first; empty when the statement fails.
    QList<MeasureDataFileInfo> selectAllMeasureDataFileInfo();
    QList<MeasureDataFileInfo> searchMeasureDataFileInfo(const QString &text, const QList<int> &calculateStandards,
                                                         const QList<int> &waveFilters, const QList<int> &cutoffsS,
                                                         const QList<int> &cutoffsC);
    QList<MeasureDataFileInfo> searchMeasureDataFileInfoByText(const QString &text);

    const QString createTableSql;
    const QString insertSql;
    const QString deleteSql;
    const QString selectAllSql;
    const QString searchSql;
    const QString databasePath;

private:
    // *damaged tells whether the table failed because the file is no
    // database or a damaged one.
    bool createTable(bool *damaged);
    bool insertRow(QSqlQuery &query, const MeasureDataFileInfo &info) const;
    bool deleteRow(QSqlQuery &query, const QString &name) const;
    bool moveRow(const QString &oldName, const MeasureDataFileInfo &info);
    QList<MeasureDataFileInfo> selectRows(const QString &sql, const QVariantList &values, const char *successText,
                                          const char *failureText);
};
