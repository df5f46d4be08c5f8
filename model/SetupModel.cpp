#include "SetupModel.h"

#include "GlobalData.h"
#include "Language.h"

SetupModel::SetupModel(QObject *parent)
    : QObject(parent)
{
}

bool SetupModel::isAutoSave() const
{
    return GlobalData::instance()->isAutoSave;
}

void SetupModel::setIsAutoSave(bool on)
{
    GlobalData::instance()->isAutoSave = on;
    emit isAutoSaveChanged(on);
}

int SetupModel::unit() const
{
    return GlobalData::instance()->unit;
}

void SetupModel::setUnit(int unit)
{
    GlobalData *data = GlobalData::instance();
    data->unit = unit;
    emit data->unitChanged(unit);
}

QStringList SetupModel::languageList()
{
    return {"中文", "English"};
}

QStringList SetupModel::unitList()
{
    Language *language = Language::instance();
    return {language->text("metricSystem"), language->text("imperialSystem")};
}
