#ifndef GLOBALCONFIG_H
#define GLOBALCONFIG_H

#include <QObject>
#include <QString>

// Style constants, the two layout scale factors and the data paths.
class GlobalConfig : public QObject
{
    Q_OBJECT
public:
    static GlobalConfig *instance();

    void initStyle();

    int titleBarHeight = 0;
    int fontPixelSize = 0;
    int titleFontPixelSize = 0;
    QString titleBarColor;
    QString borderColor;
    int margin = 0;
    QString fileInfoDir;
    QString dataStorageDir;
    QString systemConfigPath;
    double xScale = 1.0;
    double yScale = 1.0;

private:
    GlobalConfig();
};

#endif
