#ifndef LANGUAGE_H
#define LANGUAGE_H

#include <QHash>
#include <QObject>
#include <QStringList>

// The process-wide dictionary: every visible text is looked up here by key,
// in the current language (0 Chinese, 1 English).
class Language : public QObject
{
    Q_OBJECT
public:
    static Language *instance();

    // Inserting lookup: an absent key gives an empty text and stays in
    // currentTexts with it until the next switch.
    QString text(const QString &key);

    void setLanguage(int index);
    void reloadDictionary();

    int language = 0;
    QHash<QString, QStringList> dictionary;
    QHash<QString, QString> currentTexts;

signals:
    void languageChanged(int index);

private:
    Language();
    void loadDictionary();
    void updateCurrentLanguage();
};

#endif
