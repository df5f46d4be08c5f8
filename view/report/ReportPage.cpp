#include "ReportPage.h"

#include "Language.h"

#include <QFont>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPageWidthMm = 297.0;
constexpr double kPageHeightMm = 210.0;
constexpr double kLandscapeRatio = kPageWidthMm / kPageHeightMm;
constexpr int kInformationColumns = 6;
constexpr int kParameterColumns = 5;

QFont pixelFont(double pixels, bool bold)
{
    QFont font;
    font.setPixelSize(qMax(1, int(pixels)));
    if (bold)
        font.setWeight(QFont::Bold);
    return font;
}
} // namespace

ReportPage::ReportPage(QWidget *parent)
    : QWidget(parent)
{
}

void ReportPage::setReportName(const QString &text)
{
    name = text;
    update();
}

QString ReportPage::reportName() const
{
    return name;
}

QRectF ReportPage::pageRect(double width, double height, double &u)
{
    double pageWidth = width;
    double pageHeight = height;
    if (height > 0 && width / height >= kLandscapeRatio) {
        u = height / kPageHeightMm;
        pageWidth = height * kPageWidthMm / kPageHeightMm;
    } else {
        u = width / kPageWidthMm;
        pageHeight = width * kPageHeightMm / kPageWidthMm;
    }
    const double x = std::trunc((width - pageWidth) * 0.5);
    const double y = std::trunc((height - pageHeight) * 0.5);
    return QRectF(x, y, pageWidth, pageHeight);
}

void ReportPage::drawGrid(QPainter *painter, const QRectF &rect, int rows, int columns)
{
    if (rows > 0) {
        const double rowPitch = rect.height() / rows;
        for (int i = 0; i <= rows; ++i) {
            const double y = rect.y() + i * rowPitch;
            painter->drawLine(QPointF(rect.x(), y), QPointF(rect.x() + rect.width(), y));
        }
    }
    if (columns > 0) {
        const double columnPitch = rect.width() / columns;
        for (int j = 0; j <= columns; ++j) {
            const double x = rect.x() + j * columnPitch;
            painter->drawLine(QPointF(x, rect.y()), QPointF(x, rect.y() + rect.height()));
        }
    }
}

void ReportPage::drawCurve(QPainter *painter, const QRectF &rect, QList<double> values)
{
    values.erase(std::remove_if(values.begin(), values.end(),
                                [](double v) {
                                    return !std::isfinite(v);
                                }),
                 values.end());
    if (values.isEmpty())
        return;
    double min = 1e9;
    for (double v : qAsConst(values))
        min = qMin(min, v);
    double max = -1e9;
    for (double &v : values) {
        v -= min;
        max = qMax(max, v);
    }
    const double x = rect.x();
    const double y = rect.y();
    const double w = rect.width();
    const double h = rect.height();
    if (values.size() == 1 || !(max > 0) || !std::isfinite(max)) {
        const double middle = y + h * 0.5;
        painter->drawLine(QPointF(x, middle), QPointF(x + w, middle));
        return;
    }
    const float step = float(w / (values.size() - 1));
    QPolygonF points;
    points.reserve(values.size());
    for (int i = 0; i < values.size(); ++i)
        points.append(QPointF(x + i * double(step), y + h - h * (values.at(i) / max) * 0.4 - h * 0.5 * 0.6));
    painter->drawPolyline(points);
}

double ReportPage::drawHeading(QPainter *painter, const QFont &font, double x, double top, double width, double u,
                               const QString &key) const
{
    const QRectF rect(x, top, width, 8 * u);
    painter->save();
    painter->setFont(font);
    painter->setPen(QPen(Qt::black));
    painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, Language::instance()->text(key));
    painter->restore();
    return rect.bottom();
}

void ReportPage::drawReport(QPainter *painter, const QRectF &page, double u) const
{
    const double X = page.x();
    const double Y = page.y();
    const double m = 8 * u;
    const double g = 2 * u;
    const double r = 10 * u;
    const double cw = page.width() - 16 * u;
    const QFont titleFont = pixelFont(7 * u, true);
    const QFont headingFont = pixelFont(5 * u, false);
    const QFont textFont = pixelFont(5 * u, false);

    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(Qt::white);
    painter->drawRect(page);
    painter->restore();

    const QRectF titleRect(X + m, Y + m, cw, r);
    painter->save();
    painter->setFont(titleFont);
    painter->setPen(QPen(Qt::black));
    painter->drawText(titleRect, Qt::AlignCenter, name);
    painter->restore();

    const double headingBottom =
        drawHeading(painter, headingFont, X + m, titleRect.bottom(), cw, u, "measurementInformation");

    const QRectF gridRect(X + m, headingBottom + g, cw, 2 * r);
    const double cellWidth = cw / kInformationColumns;
    painter->save();
    painter->setFont(textFont);
    drawGrid(painter, gridRect, 2, kInformationColumns);
    const QList<QStringList> rows = informationList();
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList &texts = rows.at(row);
        for (int c = 0; c < texts.size() && c < kInformationColumns; ++c)
            painter->drawText(QRectF(X + m + c * cellWidth, gridRect.y() + row * r, cellWidth, r), Qt::AlignCenter,
                              texts.at(c));
    }
    painter->restore();

    const double sectionsBottom = drawSections(painter, X + m, gridRect.bottom() + g, cw, u);
    const double tableTop =
        drawHeading(painter, headingFont, X + m, sectionsBottom, cw, u, "parameterCalculationResults") + g;
    painter->save();
    drawParameterTable(painter, textFont, QRectF(X + m, tableTop, cw, 0), r);
    painter->restore();
}

double ReportPage::drawSections(QPainter *, double, double top, double, double) const
{
    return top;
}

void ReportPage::drawParameterTable(QPainter *painter, const QFont &font, const QRectF &area, double rowHeight) const
{
    const QList<QPair<QString, QString>> pairs = parameterPairs();
    const int count = pairs.size();
    const int rows = count / kParameterColumns + (count % kParameterColumns ? 1 : 0);
    if (rows == 0)
        return;
    const double cellWidth = area.width() / kParameterColumns;
    painter->setFont(font);
    drawGrid(painter, QRectF(area.x(), area.y(), area.width(), rows * rowHeight), rows, kParameterColumns);
    for (int i = 0; i < count; ++i) {
        const double x = area.x() + (i % kParameterColumns) * cellWidth;
        const double top = area.y() + (i / kParameterColumns) * rowHeight;
        painter->drawText(QRectF(x, top, cellWidth / 3, rowHeight), Qt::AlignCenter, pairs.at(i).first);
        painter->drawText(QRectF(x + cellWidth / 3, top, cellWidth - cellWidth / 3, rowHeight), Qt::AlignCenter,
                          pairs.at(i).second);
    }
}

bool ReportPage::printPage(QPrinter &printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    double u = 0;
    const QRectF page = pageRect(printer.width(), printer.height(), u);
    drawReport(&painter, page, u);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

void ReportPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    double u = 0;
    const QRectF page = pageRect(width(), height(), u);
    drawReport(&painter, page, u);
}
