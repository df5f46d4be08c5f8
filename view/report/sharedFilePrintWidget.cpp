#include "sharedFilePrintWidget.h"

#include "sharedFilePrintContentWidget.h"

sharedFilePrintWidget::sharedFilePrintWidget(DATA_SAVE record, const QList<QPair<QString, QString>> &pairs,
                                             QWidget *parent)
    : ReportOverlay(parent)
    , record(record)
    , pairs(pairs)
{
    build(new sharedFilePrintContentWidget(record, pairs), true);
}
