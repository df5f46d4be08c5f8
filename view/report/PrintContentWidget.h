#ifndef PRINTCONTENTWIDGET_H
#define PRINTCONTENTWIDGET_H

#include "MeasureDataFile.h"
#include "ReportPage.h"

// The report page of a stored measurement: its time and settings, the
// form-removed and roughness profiles and the parameters in the unit shown.
class PrintContentWidget : public ReportPage
{
    Q_OBJECT
public:
    explicit PrintContentWidget(const MeasureDataFile &file, QWidget *parent = nullptr);

    QList<QStringList> informationList() const override;

protected:
    double drawSections(QPainter *painter, double x, double top, double width, double u) const override;
    QList<QPair<QString, QString>> parameterPairs() const override;

private:
    void initData();

    MeasureDataFile file;
};

#endif
