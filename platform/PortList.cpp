#include "PortList.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace {

QString &folderSetting()
{
    // Below the temporary folder, so a private TMPDIR gives a program, a
    // simulator or a test a set of links of its own.
    static QString folder = QDir::tempPath() + QStringLiteral("/orlimo-ports");
    return folder;
}

}

namespace PortList {

QString announceFolder()
{
    return folderSetting();
}

void setAnnounceFolder(const QString &folder)
{
    folderSetting() = folder;
}

QStringList availablePortNames()
{
    QStringList names;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        names.append(info.portName());
#ifdef Q_OS_LINUX
    // A simulator that ended without clearing up leaves a link to a
    // pseudo-terminal that no longer exists; exists() follows the link.
    const QDir dir(folderSetting());
    const auto links = dir.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &link : links) {
        if (link.isSymLink() && QFileInfo::exists(link.absoluteFilePath()))
            names.append(link.absoluteFilePath());
    }
#endif
    return names;
}

}
