#include "Gallery.h"

#include "Language.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QImage>
#include <QMap>
#include <QWidget>

namespace {

enum LanguageIndex { Chinese = 0, English = 1 };

QMap<QString, Gallery::Section> &sections()
{
    static QMap<QString, Gallery::Section> registered;
    return registered;
}

bool isBlank(const QImage &image)
{
    if (image.isNull())
        return true;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return false;
    return true;
}

}

bool Gallery::registerSection(const char *name, Section section)
{
    sections().insert(QString::fromUtf8(name), section);
    return true;
}

void Gallery::collectSections()
{
    for (Section section : sections())
        section(*this);
}

void Gallery::add(const QString &name, Factory factory)
{
    shots.append({name, std::move(factory)});
}

QStringList Gallery::languageFolders()
{
    return {"zh", "en"};
}

int Gallery::render(const QString &outputDir)
{
    int failures = 0;
    const QStringList folders = languageFolders();
    for (int language = Chinese; language <= English; ++language) {
        Language::instance()->setLanguage(language);
        QDir dir(outputDir + "/" + folders.at(language));
        dir.mkpath(".");
        for (const Shot &shot : shots) {
            QWidget *widget = shot.factory();
            widget->setAttribute(Qt::WA_DontShowOnScreen);
            widget->show();
            QApplication::processEvents();
            const QString path = dir.filePath(shot.name + ".png");
            if (!widget->grab().save(path)) {
                qDebug() << "Gallery shot not saved:" << path;
                ++failures;
            }
            delete widget;
        }
    }
    return failures;
}

int Gallery::check(const QString &outputDir) const
{
    int failures = 0;
    for (const QString &folder : languageFolders()) {
        for (const Shot &shot : shots) {
            const QString path = outputDir + "/" + folder + "/" + shot.name + ".png";
            if (isBlank(QImage(path))) {
                qDebug() << "Gallery shot missing or blank:" << path;
                ++failures;
            }
        }
    }
    return failures;
}
