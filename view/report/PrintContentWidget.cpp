#include "PrintContentWidget.h"

#include "CalculateModel.h"
#include "GlobalManager.h"
#include "Language.h"
#include "SettingsModel.h"

#include <QPainter>

namespace {
constexpr double kProfileHeightMm = 38.0;
constexpr double kProfileInsetMm = 3.0;
} // namespace

PrintContentWidget::PrintContentWidget(const MeasureDataFile &file, QWidget *parent)
    : ReportPage(parent)
    , file(file)
{
    initData();
}

void PrintContentWidget::initData()
{
    setReportName(Language::instance()->text("measurementReport"));
}

QList<QStringList> PrintContentWidget::informationList() const
{
    Language *language = Language::instance();
    const SettingsData &settings = file.measureDataInfo.settingsData;
    const QStringList first{
        language->text("measurementTime"),     file.measureDataInfo.measureTime.mid(2),
        language->text("calculationStandard"), SettingsModel::calculateStandardText(settings.calculateStandard),
        language->text("shapeRemoval"),        SettingsModel::shapeRemovalText(settings.shapeRemoval)};
    const QStringList second{language->text("waveFilter"),
                             SettingsModel::waveFilterText(settings.waveFilter),
                             "λs",
                             SettingsModel::cutoffWavelengthSText(settings.cutoffWavelengthS),
                             "λc",
                             SettingsModel::cutoffWavelengthCText(settings.cutoffWavelengthC)};
    return {first, second};
}

double PrintContentWidget::drawSections(QPainter *painter, double x, double top, double width, double u) const
{
    QFont headingFont;
    headingFont.setPixelSize(qMax(1, int(5 * u)));
    const double g = 2 * u;
    const double frameHeight = kProfileHeightMm * u;
    const double inset = kProfileInsetMm * u;

    const double shapeTop = drawHeading(painter, headingFont, x, top, width, u, "shapeRemoval") + g;
    painter->save();
    painter->setPen(QPen(Qt::black));
    painter->drawRect(QRectF(x, shapeTop, width, frameHeight));
    painter->restore();
    painter->save();
    drawCurve(painter, QRectF(x + inset, shapeTop, width - 2 * inset, frameHeight),
              file.calcutateResult.shapeRemovalDataList_y);
    painter->restore();

    const double roughnessTop =
        drawHeading(painter, headingFont, x, shapeTop + frameHeight + g, width, u, "roughnessProfile") + g;
    painter->save();
    painter->drawRect(QRectF(x, roughnessTop, width, frameHeight));
    painter->restore();
    painter->save();
    drawCurve(painter, QRectF(x + inset, roughnessTop, width - 2 * inset, frameHeight),
              file.calcutateResult.roughnessDataList_y);
    painter->restore();

    return roughnessTop + frameHeight + g;
}

QList<QPair<QString, QString>> PrintContentWidget::parameterPairs() const
{
    return GlobalManager::instance()->calculateModel->nameValuePairs(file.calcutateResult.parameters);
}
