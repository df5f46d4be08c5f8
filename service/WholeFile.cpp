#include "WholeFile.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>

bool WholeFile::write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Without a commit the destructor throws the temporary away. The explicit
    // flush matters: commit() overlooks a buffered write that fails part way
    // (file size limit, full disk) and would put a truncated file in place.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return false;
    return file.commit();
}

std::optional<QByteArray> WholeFile::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QString WholeFile::keptName(const QString &path)
{
    return path + ".corrupt-" + QDateTime::currentDateTime().toString("yyyyMMddhhmmsszzz");
}
