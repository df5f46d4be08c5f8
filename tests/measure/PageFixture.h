#pragma once

#include "GlobalConfig.h"
#include "GlobalData.h"
#include "UiUtilities.h"

#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

// What the start-up gives every page before it is built: the style constants,
// the font, and a working folder of the test's own with the data directories.
inline bool preparePages(const QTemporaryDir &root)
{
    if (!root.isValid() || !QDir::setCurrent(root.path()))
        return false;
    if (!QDir().mkpath(GlobalConfig::instance()->fileInfoDir) ||
        !QDir().mkpath(GlobalConfig::instance()->dataStorageDir))
        return false;
    GlobalConfig::instance()->initStyle();
    // Panels built without the main window take their sizes as they are.
    GlobalConfig::instance()->xScale = 1.0;
    GlobalConfig::instance()->yScale = 1.0;
    loadApplicationFont(GlobalData::instance()->font, applicationFontPath, GlobalConfig::instance()->fontPixelSize);
    return true;
}

// The result plots have no meta-object of their own, so findChild cannot tell
// them apart.
template <typename Plot> Plot *findPlot(QWidget *root)
{
    for (QWidget *child : root->findChildren<QWidget *>()) {
        if (auto *plot = dynamic_cast<Plot *>(child))
            return plot;
    }
    return nullptr;
}
