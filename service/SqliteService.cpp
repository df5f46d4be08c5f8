#include "SqliteService.h"

#include "WholeFile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

QString createTableStatement()
{
    const QStringList pieces{"create table if not exists MeasureDataFileInfo (",
                             "fileName varchar(100) primary key,",
                             "measureTime varchar(20),",
                             "calculateStandard int,",
                             "waveFilterType int,",
                             "cutoffs int,",
                             "cutoffc int",
                             ");"};
    QString sql;
    for (const QString &piece : pieces)
        sql += piece.leftJustified(50);
    return sql;
}

// Registers the default connection, opens it, runs the body, closes it and
// lets the connection go once every handle on it is gone, so the next
// operation starts clean. A database that does not open runs nothing.
template <typename Body> bool withDatabase(const QString &path, bool logOpened, Body body)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE");
        db.setDatabaseName(path);
        if (db.open()) {
            if (logOpened)
                qDebug() << "数据库已打开";
            {
                QSqlQuery query(db);
                ok = body(query, db);
            }
        } else {
            qDebug().noquote() << "database" << path << "cannot be opened:" << db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    return ok;
}

bool execute(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    if (!query.prepare(sql))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

MeasureDataFileInfo rowToInfo(const QSqlQuery &query)
{
    MeasureDataFileInfo info;
    info.fileName = query.value(0).toString();
    info.measureTime = query.value(1).toString();
    info.settingsData.calculateStandard = query.value(2).toInt();
    info.settingsData.waveFilter = query.value(3).toInt();
    info.settingsData.cutoffWavelengthS = query.value(4).toInt();
    info.settingsData.cutoffWavelengthC = query.value(5).toInt();
    return info;
}

// A LIKE pattern that finds the text anywhere, with its own "%", "_" and
// escape characters taken literally.
QString containsPattern(QString text)
{
    text.replace('\\', "\\\\").replace('%', "\\%").replace('_', "\\_");
    return "%" + text + "%";
}

} // namespace

SqliteService::SqliteService(QObject *parent, const QString &databasePath)
    : QObject(parent)
    , createTableSql(createTableStatement())
    , insertSql("insert into MeasureDataFileInfo values(?,?,?,?,?,?);")
    , deleteSql("delete from MeasureDataFileInfo where fileName = ?;")
    , selectAllSql("select * from MeasureDataFileInfo order by measureTime desc;")
    , searchSql(
          "select * from MeasureDataFileInfo where fileName like ? escape '\\' or measureTime like ? escape '\\' ")
    , databasePath(databasePath.isEmpty() ? QCoreApplication::applicationDirPath() + "/database.db" : databasePath)
{
}

SqliteService::~SqliteService()
{
    qDebug() << "SqliteService 析构了";
}

bool SqliteService::openDatabase()
{
    bool damaged = false;
    if (createTable(&damaged))
        return true;
    if (!damaged)
        return false;
    // On a file that is no database every save would fail and take its
    // measurement file back. The index only lists the files, which the start
    // lists again: the damaged one is kept for a look later and a new one made.
    const QString kept = WholeFile::keptName(databasePath);
    if (!QFile::rename(databasePath, kept)) {
        qDebug().noquote() << "database" << databasePath << "is damaged and could not be kept as" << kept;
        return false;
    }
    qDebug().noquote() << "database" << databasePath << "is damaged; kept as" << kept;
    return createTable(&damaged);
}

bool SqliteService::createTable(bool *damaged)
{
    return withDatabase(databasePath, true, [this, damaged](QSqlQuery &query, QSqlDatabase &) {
        if (execute(query, createTableSql, {})) {
            qDebug() << "表格创建成功";
            return true;
        }
        qDebug() << "表格创建失败";
        qDebug().noquote() << query.lastError().text();
        // SQLite's codes for a file that is no database and for a damaged one.
        const QString code = query.lastError().nativeErrorCode();
        *damaged = code == "26" || code == "11";
        return false;
    });
}

bool SqliteService::insertRow(QSqlQuery &query, const MeasureDataFileInfo &info) const
{
    const SettingsData &s = info.settingsData;
    if (execute(query, insertSql,
                {info.fileName, info.measureTime, s.calculateStandard, s.waveFilter, s.cutoffWavelengthS,
                 s.cutoffWavelengthC})) {
        qDebug() << "插入成功";
        return true;
    }
    qDebug().noquote() << "插入失败 " + query.lastError().text();
    return false;
}

bool SqliteService::deleteRow(QSqlQuery &query, const QString &name) const
{
    if (execute(query, deleteSql, {name})) {
        qDebug() << "删除成功";
        return true;
    }
    qDebug().noquote() << "删除失败 " + query.lastError().text();
    return false;
}

bool SqliteService::insertMeasureDataFileInfo(const MeasureDataFileInfo &info)
{
    return insertMeasureDataFileInfos({info});
}

bool SqliteService::insertMeasureDataFileInfos(const QList<MeasureDataFileInfo> &infos)
{
    return withDatabase(databasePath, true, [&](QSqlQuery &query, QSqlDatabase &) {
        bool ok = true;
        for (const MeasureDataFileInfo &info : infos)
            ok = insertRow(query, info) && ok;
        return ok;
    });
}

bool SqliteService::deleteMeasureDataFileInfos(const QStringList &names)
{
    return withDatabase(databasePath, true, [&](QSqlQuery &query, QSqlDatabase &) {
        bool ok = true;
        for (const QString &name : names)
            ok = deleteRow(query, name) && ok;
        return ok;
    });
}

bool SqliteService::deleteMeasureDataFileInfo(const QString &name)
{
    return deleteMeasureDataFileInfos({name});
}

bool SqliteService::deleteMeasureDataFileInfo(const MeasureDataFileInfo &info)
{
    return deleteMeasureDataFileInfo(info.fileName);
}

bool SqliteService::deleteMeasureDataFileInfoList(const QList<MeasureDataFileInfo> &infos)
{
    QStringList names;
    for (const MeasureDataFileInfo &info : infos)
        names << info.fileName;
    return deleteMeasureDataFileInfos(names);
}

bool SqliteService::replaceMeasureDataFileInfo(const MeasureDataFileInfo &info)
{
    return moveRow(info.fileName, info);
}

bool SqliteService::renameMeasureDataFileInfo(const QString &oldName, const MeasureDataFileInfo &info)
{
    return moveRow(oldName, info);
}

bool SqliteService::moveRow(const QString &oldName, const MeasureDataFileInfo &info)
{
    return withDatabase(databasePath, true, [&](QSqlQuery &query, QSqlDatabase &db) {
        if (!db.transaction())
            return false;
        if (deleteRow(query, oldName) && insertRow(query, info) && db.commit())
            return true;
        db.rollback();
        return false;
    });
}

QList<MeasureDataFileInfo> SqliteService::selectRows(const QString &sql, const QVariantList &values,
                                                     const char *successText, const char *failureText)
{
    // The plain listing runs after every change and stays quiet about opening
    // and about the driver's error text.
    QList<MeasureDataFileInfo> rows;
    const bool verbose = sql != selectAllSql;
    withDatabase(databasePath, verbose, [&](QSqlQuery &query, QSqlDatabase &) {
        if (!execute(query, sql, values)) {
            qDebug().noquote() << (verbose ? failureText + query.lastError().text() : QString(failureText));
            return false;
        }
        while (query.next())
            rows << rowToInfo(query);
        qDebug() << successText;
        return true;
    });
    return rows;
}

QList<MeasureDataFileInfo> SqliteService::selectAllMeasureDataFileInfo()
{
    return selectRows(selectAllSql, {}, "查询成功", "查询失败");
}

QList<MeasureDataFileInfo> SqliteService::searchMeasureDataFileInfo(const QString &text,
                                                                    const QList<int> &calculateStandards,
                                                                    const QList<int> &waveFilters,
                                                                    const QList<int> &cutoffsS,
                                                                    const QList<int> &cutoffsC)
{
    const QString pattern = containsPattern(text);
    QString sql = searchSql;
    QVariantList values{pattern, pattern};
    const QList<QPair<const char *, const QList<int> *>> terms{{" or calculateStandard = ? ", &calculateStandards},
                                                               {" or waveFilterType = ? ", &waveFilters},
                                                               {" or cutoffs = ? ", &cutoffsS},
                                                               {" or cutoffc = ? ", &cutoffsC}};
    for (const auto &term : terms) {
        for (int index : *term.second) {
            sql += term.first;
            values << index;
        }
    }
    sql += " order by measureTime desc; ";
    return selectRows(sql, values, "模糊查询成功", "模糊查询失败 ");
}

QList<MeasureDataFileInfo> SqliteService::searchMeasureDataFileInfoByText(const QString &text)
{
    const QString pattern = containsPattern(text);
    qDebug().noquote() << "sql:" << searchSql << pattern;
    return selectRows(searchSql, {pattern, pattern}, "模糊查询成功", "模糊查询失败 ");
}
