#ifndef PRINTWIDGET_H
#define PRINTWIDGET_H

#include "ReportOverlay.h"

#include <QString>

// The print dialog of a stored measurement, read once from its file.
class PrintWidget : public ReportOverlay
{
    Q_OBJECT
public:
    PrintWidget(const QString &fileName, QWidget *parent);

private:
    void loadReport();

    QString fileName;
};

#endif
