#ifndef CALCULATECONTROLLER_H
#define CALCULATECONTROLLER_H

#include <QObject>

class CalculateModel;

class CalculateController : public QObject
{
    Q_OBJECT
public:
    explicit CalculateController(QObject *parent = nullptr);

    void setCalculateModel(CalculateModel *model);
    void calculate();

public slots:
    void updateParameterNameList();

private:
    CalculateModel *calculateModel = nullptr;
};

#endif
