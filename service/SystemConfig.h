#pragma once

#include "AboutInfo.h"
#include "SettingsData.h"

// What survives from one run to the next in SystemConfig.json.
struct SystemConfig {
    int language = 0; // 0 Chinese, 1 English
    int unit = 0;     // 0 metric, 1 imperial
    bool isAutoSave = false;
    AboutInfo aboutInfo;
    SettingsData settingsData;
    double calibrationFactor = 0.0;
};
