#include "CustomPushButton.h"
#include "FileModel.h"
#include "Gallery.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "Language.h"
#include "NetworkController.h"
#include "PrintContentWidget.h"
#include "PrintWidget.h"
#include "ReportPage.h"
#include "SetupController.h"
#include "shareFileView.h"
#include "sharedDataControlView.h"
#include "sharedFilePrintContentWidget.h"
#include "sharedFilePrintWidget.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>

namespace {

QList<double> wave(int count, double period, double noise)
{
    QList<double> values;
    for (int i = 0; i < count; ++i)
        values << std::sin(i / period) * 3 + std::sin(i * 1.7) * noise;
    return values;
}

MeasureDataFile sampleMeasurement()
{
    MeasureDataFile file;
    file.measureDataInfo.fileName = "2304051";
    file.measureDataInfo.measureTime = "2023-04-05 10:20:30";
    file.measureDataInfo.settingsData = {2, 1, 1, 3, 4, 1, 4, 0};
    const QStringList names{"Ra", "Rq", "Rz", "Ry", "Rt", "Rp", "Rv", "Rsk", "Rku", "RSm", "Rc"};
    for (int i = 0; i < names.size(); ++i) {
        ParameterEntry entry;
        entry.id = i;
        entry.paraName = names.at(i);
        entry.value1 = 0.3 + 0.41 * i;
        entry.valueAndUnit1 = QString::number(entry.value1, 'f', 3) + "μm";
        entry.valueAndUnit2 = QString::number(entry.value1 * 39.37, 'f', 3) + "μ″";
        file.calcutateResult.parameters << entry;
    }
    file.calcutateResult.shapeRemovalDataList_y = wave(600, 40, 0.2);
    file.calcutateResult.roughnessDataList_y = wave(600, 9, 0.6);
    return file;
}

DATA_SAVE sampleRecord()
{
    DATA_SAVE record{};
    record.calculateStandard = 0;
    record.samplingLength = 1;
    record.samplingNumber = 5;
    record.measureRange = 2;
    record.filter = 2;
    for (int k = 0; k < 24; ++k)
        record.values[k] = float(0.1 * (k + 1));
    record.wordValues[0] = 0xFFFF;
    record.wordValues[1] = 12;
    return record;
}

QTemporaryDir &storage()
{
    static QTemporaryDir dir;
    return dir;
}

// The stored measurement the report overlay reads.
QString storedMeasurement()
{
    GlobalConfig::instance()->dataStorageDir = storage().path();
    FileModel().saveMeasurementFile(sampleMeasurement(), storage().filePath("2304051.json"));
    return "2304051";
}

// The instrument-record page as it stands once a record is opened.
shareFileView *recordPage(int unit)
{
    GlobalManager::instance()->setupController->setUnit(unit);
    auto *page = new shareFileView;
    page->init();
    page->setFixedSize(1190, 755);
    page->onOpenRecord(sampleRecord());
    emit GlobalManager::instance()->networkController->executingMachineDataUpdata(6);
    return page;
}

// One printed sheet, drawn on a PDF printer and turned into an image by
// pdftoppm, as it comes out of the printer.
QWidget *printedSheet(const ReportPage &page, const QString &name)
{
    const QString pdf = storage().filePath(name + ".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageSize(QPageSize(QPageSize::A4));
    page.printPage(printer);
    QProcess::execute("pdftoppm", {"-png", "-r", "110", "-singlefile", pdf, storage().filePath(name)});
    auto *label = new QLabel;
    const QPixmap sheet(storage().filePath(name + ".png"));
    label->setPixmap(sheet);
    label->setFixedSize(sheet.size());
    return label;
}

void addReportAndRecordShots(Gallery &gallery)
{
    gallery.add("report-overlay", [] {
        return new PrintWidget(storedMeasurement(), nullptr);
    });
    gallery.add("record-report-overlay", [] {
        GlobalManager::instance()->setupController->setUnit(UnitCode::Metric);
        shareFileView page;
        page.init();
        page.onOpenRecord(sampleRecord());
        return new sharedFilePrintWidget(sampleRecord(), page.parameterRows(), nullptr);
    });
    gallery.add("record-page-metric", [] {
        return recordPage(UnitCode::Metric);
    });
    gallery.add("record-page-imperial", [] {
        QWidget *page = recordPage(UnitCode::Imperial);
        // Back to metric for the shots after this one, without the signal
        // that would re-render the page before it is taken.
        GlobalData::instance()->unit = UnitCode::Metric;
        return page;
    });
    gallery.add("record-list-page-2", [] {
        auto *list = new sharedDataControlView;
        list->init();
        list->setFixedSize(475, 620);
        emit GlobalManager::instance()->networkController->executingMachineDataUpdata(12);
        emit list->findChildren<CustomPushButton *>().at(1)->clicked();
        return list;
    });
    gallery.add("report-printed-measurement", [] {
        GlobalManager::instance()->setupController->setUnit(UnitCode::Metric);
        PrintContentWidget page(sampleMeasurement());
        return printedSheet(page, "report-printed-measurement");
    });
    gallery.add("report-printed-record-imperial", [] {
        GlobalManager::instance()->setupController->setUnit(UnitCode::Imperial);
        shareFileView view;
        view.init();
        view.onOpenRecord(sampleRecord());
        sharedFilePrintContentWidget page(sampleRecord(), view.parameterRows());
        QWidget *sheet = printedSheet(page, "report-printed-record-imperial");
        GlobalManager::instance()->setupController->setUnit(UnitCode::Metric);
        return sheet;
    });
}

} // namespace

ORLIMO_GALLERY_SECTION(addReportAndRecordShots)
