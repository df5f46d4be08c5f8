#include "PrintWidget.h"

#include "Codes.h"
#include "FileController.h"
#include "GlobalManager.h"
#include "KeyedNotice.h"
#include "MeasureDataFile.h"
#include "PrintContentWidget.h"

PrintWidget::PrintWidget(const QString &fileName, QWidget *parent)
    : ReportOverlay(parent)
    , fileName(fileName)
{
    loadReport();
}

void PrintWidget::loadReport()
{
    MeasureDataFile file;
    const bool loaded = GlobalManager::instance()->fileController->loadMeasurementFile(fileName, file);
    build(new PrintContentWidget(file), loaded);
    if (!loaded)
        showKeyedNotice("openFailed", NoticeCode::Error);
}
