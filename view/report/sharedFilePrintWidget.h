#ifndef SHAREDFILEPRINTWIDGET_H
#define SHAREDFILEPRINTWIDGET_H

#include "DataSave.h"
#include "ReportOverlay.h"

#include <QList>
#include <QPair>
#include <QString>

// The print dialog of a record kept in the instrument; nothing is read from
// disk.
class sharedFilePrintWidget : public ReportOverlay
{
    Q_OBJECT
public:
    sharedFilePrintWidget(DATA_SAVE record, const QList<QPair<QString, QString>> &pairs, QWidget *parent);

private:
    DATA_SAVE record;
    QList<QPair<QString, QString>> pairs;
};

#endif
