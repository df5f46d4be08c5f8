#include "GlobalConfig.h"

#include <QDir>

GlobalConfig *GlobalConfig::instance()
{
    static GlobalConfig config;
    return &config;
}

GlobalConfig::GlobalConfig()
    : fileInfoDir(QDir::currentPath() + "/file/FileInfo")
    , dataStorageDir(QDir::currentPath() + "/file/DataStorage")
    , systemConfigPath(fileInfoDir + "/SystemConfig.json")
{
}

void GlobalConfig::initStyle()
{
    titleBarHeight = 45;
    fontPixelSize = 20;
    titleFontPixelSize = 21;
    titleBarColor = "rgb(119,25,170)";
    borderColor = "rgb(224,224,224)";
    margin = 17;
}
