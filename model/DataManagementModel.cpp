#include "DataManagementModel.h"

#include "GlobalData.h"

DataManagementModel::DataManagementModel(QObject *parent)
    : QObject(parent)
{
}

QStringList DataManagementModel::measureDataInfoList() const
{
    QStringList names;
    for (const MeasureDataFileInfo &info : GlobalData::instance()->measureDataInfoList)
        names.append(info.fileName);
    return names;
}
