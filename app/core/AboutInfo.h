#ifndef ABOUTINFO_H
#define ABOUTINFO_H

#include <QString>

struct AboutInfo {
    QString softwareName;
    QString softwareVersionNumber;
    QString equipmentName;
    QString equipmentModel;
    QString equipmentSerialNumber;
};

#endif
