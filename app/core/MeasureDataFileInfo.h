#ifndef MEASUREDATAFILEINFO_H
#define MEASUREDATAFILEINFO_H

#include "SettingsData.h"

#include <QString>

struct MeasureDataFileInfo {
    QString fileName;
    // "yyyy-MM-dd hh:mm:ss"
    QString measureTime;
    SettingsData settingsData;
};

#endif
