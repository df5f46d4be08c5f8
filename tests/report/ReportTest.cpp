#include "KeyedButton.h"
#include "NoticeRecorder.h"
#include "PdfText.h"
#include "RecordingDevice.h"

#include "FileModel.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "LabelAndCombobox.h"
#include "Language.h"
#include "LineEdit.h"
#include "PrintContentWidget.h"
#include "PrintWidget.h"
#include "SetupController.h"
#include "TouchButton.h"
#include "UiUtilities.h"
#include "sharedFilePrintContentWidget.h"
#include "sharedFilePrintWidget.h"

#include <QDateTime>
#include <QDir>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

namespace {

QStringList threePrinters()
{
    return {"Office", "Workshop", "PDF"};
}

QStringList noPrinters()
{
    return {};
}

QStringList missingPrinter()
{
    return {"NoSuchQueue-report-test"};
}

ParameterEntry entry(int i)
{
    ParameterEntry e;
    e.id = i;
    e.paraName = QStringLiteral("P%1").arg(i);
    e.value1 = 0.1 * (i + 1);
    e.value2 = e.value1 * 39.37;
    e.valueAndUnit1 = QString::number(e.value1, 'f', 3) + "μm";
    e.valueAndUnit2 = QString::number(e.value2, 'f', 3) + "μ″";
    return e;
}

MeasureDataFile measurement(int parameters, const QList<double> &curve = {1, 3, 2, 5, 4})
{
    MeasureDataFile file;
    file.measureDataInfo.fileName = "m";
    file.measureDataInfo.measureTime = "2023-04-05 10:20:30";
    file.measureDataInfo.settingsData.calculateStandard = 7;
    for (int i = 0; i < parameters; ++i)
        file.calcutateResult.parameters.append(entry(i));
    file.calcutateResult.shapeRemovalDataList_y = curve;
    file.calcutateResult.roughnessDataList_y = curve;
    return file;
}

QList<QPair<QString, QString>> pairs(int count)
{
    QList<QPair<QString, QString>> list;
    for (int i = 0; i < count; ++i)
        list.append({QStringLiteral("N%1").arg(i), QStringLiteral("%1.000μm").arg(i)});
    return list;
}

// Full-width horizontal lines at or below top: the rows of a table.
QList<double> tableLines(const RecordingEngine &engine, double top, double width)
{
    QList<double> ys;
    for (const QPolygonF &line : engine.polylines) {
        if (line.size() == 2 && qFuzzyCompare(line[0].y(), line[1].y()) && line[0].y() >= top - 0.01 &&
            qAbs(qAbs(line[1].x() - line[0].x()) - width) < 0.01)
            ys << line[0].y();
    }
    return ys;
}

void drawPage(const ReportPage &page, RecordingDevice &device, double &u)
{
    const QRectF rect = ReportPage::pageRect(device.width(), device.height(), u);
    QPainter painter(&device);
    page.drawReport(&painter, rect, u);
}

} // namespace

class ReportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void pageFitsAreas_data();
    void pageFitsAreas();
    void pageTextsAndFonts();
    void curves_data();
    void curves();
    void parameterTableRows_data();
    void parameterTableRows();
    void recordInformation_data();
    void recordInformation();

    void overlayPreviewAndName();
    void cancelDeletesOverlayAndMask();
    void noPrinterDisablesPrint();
    void unreadableFileGivesNoReport();
    void failedPrintStaysOpen();
    void pdfPrinterGetsTheReport_data();
    void pdfPrinterGetsTheReport();
    void printsOnTheCupsQueue();

private:
    void writeMeasurement(const QString &name, const MeasureDataFile &file);

    QTemporaryDir root;
    std::unique_ptr<NoticeRecorder> notices;
    std::unique_ptr<QWidget> mainWindow;
};

void ReportTest::initTestCase()
{
    QVERIFY(root.isValid());
    QVERIFY(QDir::setCurrent(root.path()));
    QVERIFY(QDir().mkpath("file/DataStorage"));
    loadApplicationFont(GlobalData::instance()->font, applicationFontPath, 20);
    GlobalManager::instance();
    GlobalData::instance()->mainWindowRect = QRect(0, 0, 1280, 800);
}

void ReportTest::init()
{
    Language::instance()->setLanguage(LanguageCode::Chinese);
    GlobalManager::instance()->setupController->setUnit(UnitCode::Metric);
    notices = std::make_unique<NoticeRecorder>();
    mainWindow = std::make_unique<QWidget>();
    mainWindow->resize(1280, 800);
    mainWindow->show();
    ReportOverlay::setPrinterNameSource(threePrinters);
}

void ReportTest::cleanup()
{
    mainWindow.reset();
    notices.reset();
    ReportOverlay::setPrinterNameSource(nullptr);
}

void ReportTest::cleanupTestCase()
{
    GlobalData::instance()->noticeContainer.release();
}

void ReportTest::writeMeasurement(const QString &name, const MeasureDataFile &file)
{
    QVERIFY(FileModel().saveMeasurementFile(file, GlobalConfig::instance()->dataStorageDir + "/" + name + ".json"));
}

void ReportTest::pageFitsAreas_data()
{
    QTest::addColumn<QSizeF>("area");
    QTest::addColumn<QRectF>("page");
    QTest::addColumn<double>("u");
    QTest::newRow("preview") << QSizeF(768, 543) << QRectF(0, 0, 543 * 297.0 / 210, 543) << 543 / 210.0;
    QTest::newRow("wide") << QSizeF(1000, 500) << QRectF(146, 0, 500 * 297.0 / 210, 500) << 500 / 210.0;
    QTest::newRow("tall") << QSizeF(600, 800) << QRectF(0, 187, 600, 600 * 210.0 / 297) << 600 / 297.0;
}

void ReportTest::pageFitsAreas()
{
    QFETCH(QSizeF, area);
    QFETCH(QRectF, page);
    QFETCH(double, u);
    double unit = 0;
    const QRectF fitted = ReportPage::pageRect(area.width(), area.height(), unit);
    QCOMPARE(fitted, page);
    QCOMPARE(unit, u);
    QCOMPARE(fitted.x(), std::trunc(fitted.x()));
    QCOMPARE(fitted.y(), std::trunc(fitted.y()));
}

void ReportTest::pageTextsAndFonts()
{
    PrintContentWidget page(measurement(3));
    page.setReportName("Shaft 12");
    RecordingDevice device(768, 543);
    double u = 0;
    drawPage(page, device, u);
    const RecordingEngine &engine = device.engine;
    const RecordingEngine::Text *title = engine.find("Shaft 12");
    QVERIFY(title);
    QCOMPARE(title->pixelSize, 18);
    QVERIFY(title->bold);
    const RecordingEngine::Text *time = engine.find("23-04-05 10:20:30");
    QVERIFY2(time, qPrintable(engine.textList().join('|')));
    QCOMPARE(time->pixelSize, 12);
    for (const char *text : {"测量信息", "测量时间", "DIN-90", "形状去除", "粗糙度轮廓", "参数计算结果", "P0", "P2"})
        QVERIFY2(engine.find(QString::fromUtf8(text)), text);
    // A Greek letter beside a Latin one may be laid out as two runs.
    const QString joined = engine.textList().join(QString());
    for (const char *text : {"λs", "λc", "0.100μm", "0.300μm"})
        QVERIFY2(joined.contains(QString::fromUtf8(text)), text);
    QVERIFY(engine.finite);

    GlobalManager::instance()->setupController->setUnit(UnitCode::Imperial);
    RecordingDevice imperial(768, 543);
    drawPage(page, imperial, u);
    const QString imperialTexts = imperial.engine.textList().join(QString());
    QVERIFY(imperialTexts.contains(entry(0).valueAndUnit2));
    QVERIFY(!imperialTexts.contains(entry(0).valueAndUnit1));
}

void ReportTest::curves_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QPolygonF>("expected");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QPolygonF middle(QVector<QPointF>{QPointF(10, 45), QPointF(110, 45)});
    QTest::newRow("rising") << QList<double>{0, 1} << QPolygonF(QVector<QPointF>{QPointF(10, 55), QPointF(110, 35)});
    QTest::newRow("flat") << QList<double>{2, 2, 2} << middle;
    QTest::newRow("one sample") << QList<double>{5} << middle;
    QTest::newRow("empty") << QList<double>{} << QPolygonF();
    QTest::newRow("not finite") << QList<double>{0, nan, inf, 1}
                                << QPolygonF(QVector<QPointF>{QPointF(10, 55), QPointF(110, 35)});
    QTest::newRow("only not finite") << QList<double>{nan, -inf} << QPolygonF();
}

void ReportTest::curves()
{
    QFETCH(QList<double>, values);
    QFETCH(QPolygonF, expected);
    RecordingDevice device(200, 200);
    {
        QPainter painter(&device);
        ReportPage::drawCurve(&painter, QRectF(10, 20, 100, 50), values);
    }
    QVERIFY(device.engine.finite);
    if (expected.isEmpty()) {
        QVERIFY(device.engine.polylines.isEmpty());
        return;
    }
    QCOMPARE(device.engine.polylines.size(), 1);
    QCOMPARE(device.engine.polylines.first(), expected);
}

void ReportTest::parameterTableRows_data()
{
    QTest::addColumn<bool>("record");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("rows");
    QTest::newRow("measurement, 11") << false << 11 << 3;
    QTest::newRow("measurement, none") << false << 0 << 0;
    QTest::newRow("record, 25") << true << 25 << 5;
    QTest::newRow("record, none") << true << 0 << 0;
}

void ReportTest::parameterTableRows()
{
    QFETCH(bool, record);
    QFETCH(int, count);
    QFETCH(int, rows);
    std::unique_ptr<ReportPage> page;
    if (record)
        page = std::make_unique<sharedFilePrintContentWidget>(DATA_SAVE{}, pairs(count));
    else
        page = std::make_unique<PrintContentWidget>(measurement(count, {}));
    RecordingDevice device(768, 543);
    double u = 0;
    drawPage(*page, device, u);
    const double top = (record ? 60 : 160) * u;
    const QList<double> lines = tableLines(device.engine, top, 281 * u);
    QCOMPARE(lines.size(), rows ? rows + 1 : 0);
    if (rows)
        QVERIFY(qAbs(lines.last() - (top + rows * 10 * u)) < 0.01);
    if (count == 11) {
        // The eleventh pair opens the third row, in its first cell.
        const RecordingEngine::Text *last = device.engine.find("P10");
        QVERIFY(last);
        QVERIFY(last->position.y() > top + 20 * u && last->position.y() < top + 30 * u);
        QVERIFY(last->position.x() < 8 * u + 281 * u / 15);
    }
    QVERIFY(device.engine.finite);
}

void ReportTest::recordInformation_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("row1");
    QTest::addColumn<QStringList>("row2");
    QTest::newRow("ISO") << QByteArray("\x00\x01\x05\x03\x02", 5)
                         << QStringList{"计算标准", "ISO", "取样长度", "0.8 mm", "取样个数", "5"}
                         << QStringList{"测量范围", "160 μm", "滤波", "GUASS"};
    QTest::newRow("codes beyond the lists")
        << QByteArray("\x09\x07\x00\x04\xff", 5) << QStringList{"计算标准", "", "取样长度", "", "取样个数", "0"}
        << QStringList{"测量范围", "", "滤波", ""};
}

void ReportTest::recordInformation()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, row1);
    QFETCH(QStringList, row2);
    DATA_SAVE record{};
    record.calculateStandard = quint8(bytes[0]);
    record.samplingLength = quint8(bytes[1]);
    record.samplingNumber = quint8(bytes[2]);
    record.measureRange = quint8(bytes[3]);
    record.filter = quint8(bytes[4]);
    sharedFilePrintContentWidget page(record, pairs(2));
    const QList<QStringList> rows = page.informationList();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0), row1);
    QCOMPARE(rows.at(1), row2);
}

void ReportTest::overlayPreviewAndName()
{
    writeMeasurement("preview", measurement(11));
    auto *overlay = new PrintWidget("preview", mainWindow.get());
    overlay->show();
    QCOMPARE(overlay->size(), QSize(1180, 710));
    overlay->grab();
    QCOMPARE(overlay->page()->size(), QSize(768, 543));
    QCOMPARE(overlay->page()->reportName(), QString("测量报告"));

    overlay->findChild<LineEdit *>()->setText("Bore 7");
    QCOMPARE(overlay->page()->reportName(), QString("Bore 7"));
    const QList<LabelAndCombobox *> boxes = overlay->findChildren<LabelAndCombobox *>();
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.at(0)->currentIndex(), 0);
    QCOMPARE(boxes.at(0)->currentText(), QString(" Office"));
    QCOMPARE(boxes.at(1)->currentText(), QString(" A4"));
    QVERIFY(keyedButton(overlay, "print")->isEnabled());
    QCOMPARE(notices->count("openFailed"), 0);
    overlay->close();
}

void ReportTest::cancelDeletesOverlayAndMask()
{
    const QList<QWidget *> before = mainWindow->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QPointer<sharedFilePrintWidget> overlay = new sharedFilePrintWidget(DATA_SAVE{}, pairs(3), mainWindow.get());
    overlay->show();
    QList<QWidget *> added = mainWindow->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *w : before)
        added.removeAll(w);
    QCOMPARE(added.size(), 2);
    added.removeAll(overlay.data());
    QPointer<QWidget> mask = added.first();
    QCOMPARE(mask->geometry(), mainWindow->rect());
    QVERIFY(mask->isVisible());

    keyedButton(overlay, "cancel")->click();
    QTRY_VERIFY(overlay.isNull());
    QVERIFY(mask.isNull());
}

void ReportTest::noPrinterDisablesPrint()
{
    ReportOverlay::setPrinterNameSource(noPrinters);
    auto *overlay = new sharedFilePrintWidget(DATA_SAVE{}, pairs(3), mainWindow.get());
    overlay->show();
    QVERIFY(!keyedButton(overlay, "print")->isEnabled());
    overlay->close();
}

void ReportTest::unreadableFileGivesNoReport()
{
    QPointer<PrintWidget> overlay = new PrintWidget("no such file", mainWindow.get());
    overlay->show();
    QVERIFY(!overlay->page()->isVisible());
    QVERIFY(!keyedButton(overlay, "print")->isEnabled());
    QCOMPARE(notices->count("openFailed"), 1);
    QCOMPARE(notices->count("printFailed"), 0);
    overlay->close();
}

void ReportTest::failedPrintStaysOpen()
{
    ReportOverlay::setPrinterNameSource(missingPrinter);
    QPointer<sharedFilePrintWidget> overlay = new sharedFilePrintWidget(DATA_SAVE{}, pairs(3), mainWindow.get());
    overlay->show();
    keyedButton(overlay, "print")->click();
    QCoreApplication::processEvents();
    QVERIFY(!overlay.isNull());
    QVERIFY(overlay->isVisible());
    QCOMPARE(notices->count("printFailed"), 1);
    overlay->close();
}

void ReportTest::pdfPrinterGetsTheReport_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("metric, Chinese") << int(UnitCode::Metric) << int(LanguageCode::Chinese)
                                     << QStringList{"测量信息", "23-04-05 10:20:30", "P10", "1.100μm", "参数计算结果"};
    QTest::newRow("imperial, English") << int(UnitCode::Imperial) << int(LanguageCode::English)
                                       << QStringList{"Meas. Info.", "23-04-05 10:20:30", "P10", "43.307μ″"};
}

void ReportTest::pdfPrinterGetsTheReport()
{
    QFETCH(int, unit);
    QFETCH(int, language);
    QFETCH(QStringList, expected);
    Language::instance()->setLanguage(language);
    GlobalManager::instance()->setupController->setUnit(unit);
    PrintContentWidget page(measurement(11));
    page.setReportName("Report ABC-42");
    const QString path = root.filePath(QStringLiteral("report-%1.pdf").arg(unit));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QVERIFY(page.printPage(printer));
    QString info;
    const QString text = pdfText(path, &info);
    QVERIFY2(info.contains("842 x 595 pts (A4)"), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
    QVERIFY2(text.contains("Report ABC-42"), qPrintable(text));
    for (const QString &t : expected)
        QVERIFY2(text.contains(t), qPrintable(t + " in\n" + text));

    QPrinter unwritable(QPrinter::HighResolution);
    unwritable.setOutputFormat(QPrinter::PdfFormat);
    unwritable.setOutputFileName(root.filePath("missing/folder/report.pdf"));
    QVERIFY(!page.printPage(unwritable));
}

void ReportTest::printsOnTheCupsQueue()
{
    ReportOverlay::setPrinterNameSource(nullptr);
    const int queue = ReportOverlay::printerNames().indexOf("PDF");
    QVERIFY2(queue >= 0, qPrintable(ReportOverlay::printerNames().join(',')));
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    const QString name =
        QStringLiteral("Report-%1-%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch());
    writeMeasurement("cups", measurement(11));
    QPointer<PrintWidget> overlay = new PrintWidget("cups", mainWindow.get());
    overlay->show();
    auto *printers = overlay->findChildren<LabelAndCombobox *>().first();
    printers->setCurrentIndex(queue);
    QCOMPARE(printers->currentText(), QString(" PDF"));
    overlay->findChild<LineEdit *>()->setText(name);
    keyedButton(overlay, "print")->click();
    QTRY_VERIFY(overlay.isNull());
    QCOMPARE(notices->count("printFailed"), 0);

    // The queue names its file after the job, which carries the report's
    // name. Its filters redraw the text as bitmap glyphs, so the words are
    // checked on the PDF printer above and the sheet here.
    const QDir outputs(QDir::homePath() + "/PDF");
    QString found;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (const QFileInfo &file : outputs.entryInfoList({"*.pdf"}, QDir::Files)) {
                if (file.fileName().contains(name) && file.size() > 0) {
                    found = file.filePath();
                    return true;
                }
            }
            return false;
        }(),
        60000);
    QString info;
    // The queue lays the landscape page on a portrait sheet.
    QTRY_VERIFY_WITH_TIMEOUT((pdfText(found, &info), info.contains("pts (A4)")), 10000);
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
    QFile::remove(found);
}

QTEST_MAIN(ReportTest)
#include "ReportTest.moc"
