#ifndef SETUPMODEL_H
#define SETUPMODEL_H

#include <QObject>
#include <QStringList>

// Auto-save flag, display unit and the language and unit choice lists.
class SetupModel : public QObject
{
    Q_OBJECT
public:
    explicit SetupModel(QObject *parent = nullptr);

    bool isAutoSave() const;
    void setIsAutoSave(bool on);
    int unit() const;
    // Announces through GlobalData::unitChanged on every call, so every page
    // retranslates even when the unit stayed.
    void setUnit(int unit);

    static QStringList languageList();
    static QStringList unitList();

signals:
    void isAutoSaveChanged(bool on);
};

#endif
