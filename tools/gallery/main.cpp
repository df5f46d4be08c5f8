#include "Gallery.h"
#include "GlobalData.h"
#include "UiUtilities.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDebug>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"check", "Only check that every shot exists and is not blank."});
    parser.addPositionalArgument("output", "Folder that receives zh/ and en/.");
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const QString output = parser.positionalArguments().first();

    loadApplicationFont(GlobalData::instance()->font, applicationFontPath, 20);
    Gallery gallery;
    gallery.collectSections();
    const int failures = parser.isSet("check") ? gallery.check(output) : gallery.render(output);
    if (failures > 0)
        qDebug() << failures << "gallery shots failed";
    return failures > 0 ? 1 : 0;
}
