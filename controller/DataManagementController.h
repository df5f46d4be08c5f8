#ifndef DATAMANAGEMENTCONTROLLER_H
#define DATAMANAGEMENTCONTROLLER_H

#include <QObject>

class DataManagementModel;

class DataManagementController : public QObject
{
    Q_OBJECT
public:
    explicit DataManagementController(QObject *parent = nullptr);

    void setDataManagementModel(DataManagementModel *model);

private:
    DataManagementModel *dataManagementModel = nullptr;
};

#endif
