#ifndef SETUPCONTROLLER_H
#define SETUPCONTROLLER_H

#include <QObject>

class SetupModel;

class SetupController : public QObject
{
    Q_OBJECT
public:
    explicit SetupController(QObject *parent = nullptr);

    void setSetupModel(SetupModel *model);

    void setIsAutoSave(bool on);
    void setUnit(int unit);
    void setLanguage(int index);

private:
    SetupModel *setupModel = nullptr;
};

#endif
