#ifndef GALLERY_H
#define GALLERY_H

#include <QList>
#include <QString>
#include <functional>

class QWidget;

// Renders every registered control and screen, at real size, once per language,
// into <output>/zh and <output>/en. Each layer of the program adds a source
// file to this folder whose section function adds that layer's shots:
//
//     static void addMeasureShots(Gallery &gallery) { gallery.add("measure-page", [] { ... }); }
//     ORLIMO_GALLERY_SECTION(addMeasureShots)
class Gallery
{
public:
    // Builds the widget of one shot, sized as it is shown; called after the
    // language of the run is set. The gallery deletes it after the grab.
    using Factory = std::function<QWidget *()>;
    using Section = void (*)(Gallery &);

    static bool registerSection(const char *name, Section section);

    void add(const QString &name, Factory factory);

    // Renders all shots; returns the number of failures.
    int render(const QString &outputDir);
    // Checks that every shot of every language exists and is not blank.
    int check(const QString &outputDir) const;

    void collectSections();

private:
    struct Shot {
        QString name;
        Factory factory;
    };

    static QStringList languageFolders();

    QList<Shot> shots;
};

#define ORLIMO_GALLERY_SECTION(function)                                                                               \
    namespace {                                                                                                        \
    const bool function##Registered = Gallery::registerSection(#function, function);                                   \
    }

#endif
