#pragma once

#include <QProcess>
#include <QString>

// The text of a PDF file as poppler's pdftotext lays it out; with info, also
// what pdfinfo says about the file.
inline QString pdfText(const QString &path, QString *info = nullptr)
{
    if (info) {
        QProcess pdfinfo;
        pdfinfo.start("pdfinfo", {path});
        pdfinfo.waitForFinished();
        *info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    }
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
