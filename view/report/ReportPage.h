#ifndef REPORTPAGE_H
#define REPORTPAGE_H

#include <QList>
#include <QPair>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>

class QFont;
class QPainter;
class QPrinter;

// One A4 landscape report page, drawn in millimetres of the sheet times u
// (device units per millimetre), so the preview and the printed sheet agree
// at any resolution. The kinds of report differ in their information rows,
// the sections between the information and the parameter table, and where
// the parameter rows come from.
class ReportPage : public QWidget
{
    Q_OBJECT
public:
    explicit ReportPage(QWidget *parent = nullptr);

    void setReportName(const QString &name);
    QString reportName() const;

    // The A4 landscape page fitted and centred in a width x height area; the
    // origin is cut to whole device units.
    static QRectF pageRect(double width, double height, double &u);
    static void drawGrid(QPainter *painter, const QRectF &rect, int rows, int columns);
    // Samples spread evenly over the width, filling the middle 40 % of the
    // height. A single sample or a flat profile is a line at mid-height;
    // samples that are not finite numbers are left out.
    static void drawCurve(QPainter *painter, const QRectF &rect, QList<double> values);

    void drawReport(QPainter *painter, const QRectF &page, double u) const;
    // Draws the page on the printer and tells whether the job went through.
    bool printPage(QPrinter &printer) const;

    virtual QList<QStringList> informationList() const = 0;

protected:
    // Draws what lies between the information grid and the parameter table,
    // starting at top; returns where the parameter heading starts.
    virtual double drawSections(QPainter *painter, double x, double top, double width, double u) const;
    virtual QList<QPair<QString, QString>> parameterPairs() const = 0;

    double drawHeading(QPainter *painter, const QFont &font, double x, double top, double width, double u,
                       const QString &key) const;

    void paintEvent(QPaintEvent *event) override;

private:
    void drawParameterTable(QPainter *painter, const QFont &font, const QRectF &area, double rowHeight) const;

    QString name;
};

#endif
