#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reads and writes a file in one piece. A write goes to a temporary file
// beside the target and replaces the target only once every byte is on disk,
// so a crash or a full disk leaves the previous file as it was.
class WholeFile
{
public:
    static bool write(const QString &path, const QByteArray &bytes);
    // Empty when the file is missing or cannot be read; never creates it.
    static std::optional<QByteArray> read(const QString &path);
    // The name beside path under which a damaged file is kept for a look
    // later, before the program makes a new one in its place.
    static QString keptName(const QString &path);
};
