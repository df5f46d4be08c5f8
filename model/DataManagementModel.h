#ifndef DATAMANAGEMENTMODEL_H
#define DATAMANAGEMENTMODEL_H

#include <QObject>
#include <QStringList>

class DataManagementModel : public QObject
{
    Q_OBJECT
public:
    explicit DataManagementModel(QObject *parent = nullptr);

    // The file names of GlobalData's file list, in its order.
    QStringList measureDataInfoList() const;
};

#endif
