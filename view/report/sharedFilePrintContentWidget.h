#ifndef SHAREDFILEPRINTCONTENTWIDGET_H
#define SHAREDFILEPRINTCONTENTWIDGET_H

#include "DataSave.h"
#include "ReportPage.h"

// The report page of a record kept in the instrument: its configuration and
// the parameter rows as they were handed over; no profiles.
class sharedFilePrintContentWidget : public ReportPage
{
    Q_OBJECT
public:
    sharedFilePrintContentWidget(DATA_SAVE record, const QList<QPair<QString, QString>> &pairs,
                                 QWidget *parent = nullptr);

    QList<QStringList> informationList() const override;

protected:
    QList<QPair<QString, QString>> parameterPairs() const override;

private:
    DATA_SAVE record;
    QList<QPair<QString, QString>> pairs;
};

#endif
