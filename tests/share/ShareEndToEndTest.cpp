#include "KeyedButton.h"
#include "NoticeRecorder.h"
#include "PdfText.h"
#include "ShareTestSupport.h"
#include "SimulatorLink.h"

#include "CheckBox.h"
#include "CustomPushButton.h"
#include "FileChooser.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "LabelAndCombobox.h"
#include "Language.h"
#include "LineEdit.h"
#include "NetworkController.h"
#include "ReportOverlay.h"
#include "ReportPage.h"
#include "SetupController.h"
#include "TableWidget.h"
#include "TouchButton.h"
#include "UiUtilities.h"
#include "configListWidget.h"
#include "paraListWidget.h"
#include "shareFileView.h"
#include "sharedDataControlView.h"
#include "sharedFilePrintWidget.h"

#include <QFile>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <memory>

// The record page against the simulator program, which keeps six records:
// record n holds 0.1 * n * (k + 1) as value k, its standard code is
// (n - 1) % 4, and its two words are 99 + n and 199 + n.
class ShareEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void refreshListsSixRecords();
    void openShowsTheRecord();
    void printsTheRecord();
    void exportsTheRecordInImperial();

private:
    void check(int row);
    void request(const char *key, int page, int row);

    QTemporaryDir root;
    SimulatorLink simulators{"share-e2e"};
    SimulatorProcess simulator;
    std::unique_ptr<QWidget> mainWindow;
    std::unique_ptr<shareFileView> page;
    std::unique_ptr<NoticeRecorder> notices;
    sharedDataControlView *list = nullptr;
    AnsweringChooser chooser;
};

void ShareEndToEndTest::initTestCase()
{
    qRegisterMetaType<DATA_SAVE>();
    QVERIFY(root.isValid());
    QVERIFY(QDir::setCurrent(root.path()));
    QVERIFY(simulators.setUp());
    loadApplicationFont(GlobalData::instance()->font, applicationFontPath, 20);
    Language::instance()->setLanguage(LanguageCode::Chinese);
    notices = std::make_unique<NoticeRecorder>();

    mainWindow = std::make_unique<QWidget>();
    mainWindow->resize(1280, 800);
    mainWindow->show();
    GlobalData::instance()->mainWidget = mainWindow.get();
    GlobalData::instance()->mainWindowRect = QRect(0, 0, 1280, 800);
    page = std::make_unique<shareFileView>();
    page->init();
    page->setFileChooser(&chooser);
    list = page->getRecordListView();

    QVERIFY(simulators.start(simulator, {}));
    NetworkController *link = SimulatorLink::link();
    link->init();
    QTRY_VERIFY_WITH_TIMEOUT(link->moterConnectStatus, 10000);
}

void ShareEndToEndTest::cleanupTestCase()
{
    page.reset();
    GlobalData::instance()->mainWidget = nullptr;
    mainWindow.reset();
    notices.reset();
    GlobalData::instance()->noticeContainer.release();
    simulator.stop();
}

void ShareEndToEndTest::request(const char *key, int pageNumber, int row)
{
    auto *pageEdit = list->findChild<LineEdit *>();
    pageEdit->setText(QString::number(pageNumber));
    TouchButton *jump = keyedButton(list, "jump");
    QVERIFY(jump);
    jump->click();
    QTRY_COMPARE(list->findChild<TableWidget *>()->findChildren<CheckBox *>().size(),
                 list->findChild<TableWidget *>()->rowCount());
    list->findChild<TableWidget *>()->findChildren<CheckBox *>().at(row)->click();
    TouchButton *action = keyedButton(list, key);
    QVERIFY(action && action->isEnabled());
    action->click();
}

void ShareEndToEndTest::refreshListsSixRecords()
{
    TouchButton *refresh = keyedButton(list, "refresh");
    QVERIFY(refresh);
    refresh->click();
    auto *table = list->findChild<TableWidget *>();
    QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), 5, 10000);
    emit list->findChildren<CustomPushButton *>().at(1)->clicked();
    QCOMPARE(list->findChild<LineEdit *>()->text(), QString("2"));
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 1)->text(), QString("6"));
}

void ShareEndToEndTest::openShowsTheRecord()
{
    request("open2", 1, 1);
    const Rows expected{{"Ra", "0.400μm"},   {"Rq", "0.600μm"}, {"Rz", "0.800μm"}, {"Ry", "2.400μm"},
                        {"Rmax", "4.000μm"}, {"RS", "2.600mm"}, {"RSm", "2.800mm"}};
    QTRY_COMPARE_WITH_TIMEOUT(shownRows(page->findChild<paraListWidget *>()), expected, 10000);
    QCOMPARE(
        shownRows(page->findChild<configListWidget *>()),
        (Rows{{"计算标准", "DIN"}, {"取样长度", "0.8 mm"}, {"取样个数", "2"}, {"测量范围", "40 μm"}, {"滤波", "D_P"}}));
    QCOMPARE(GlobalData::instance()->executingMachineDataAction, int(RecordAction::None));
}

void ShareEndToEndTest::printsTheRecord()
{
    QPointer<sharedFilePrintWidget> overlay;
    request("print", 2, 0);
    QTRY_VERIFY_WITH_TIMEOUT((overlay = mainWindow->findChild<sharedFilePrintWidget *>()), 10000);

    const QString path = root.filePath("record6.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QVERIFY(overlay->page()->printPage(printer));
    const QString text = pdfText(path);
    for (const char *t : {"测量报告", "测量信息", "DIN", "Ra", "1.200μm", "RSm", "8.400mm"})
        QVERIFY2(text.contains(QString::fromUtf8(t)), qPrintable(QString::fromUtf8(t) + " in\n" + text));

    const int queue = ReportOverlay::printerNames().indexOf("PDF");
    QVERIFY(queue >= 0);
    auto *printers = overlay->findChildren<LabelAndCombobox *>().first();
    printers->setCurrentIndex(queue);
    const QString name = QStringLiteral("Record6-%1").arg(QDateTime::currentMSecsSinceEpoch());
    overlay->findChild<LineEdit *>()->setText(name);
    TouchButton *print = keyedButton(overlay, "print");
    QVERIFY(print);
    print->click();
    QTRY_VERIFY(overlay.isNull());
    QCOMPARE(notices->count("printFailed"), 0);
    const QDir outputs(QDir::homePath() + "/PDF");
    QTRY_VERIFY_WITH_TIMEOUT(!outputs.entryList({"*" + name + "*.pdf"}, QDir::Files).isEmpty(), 60000);
    for (const QString &file : outputs.entryList({"*" + name + "*.pdf"}, QDir::Files))
        QFile::remove(outputs.filePath(file));
    // The opened record stays on the page.
    QCOMPARE(shownRows(page->findChild<paraListWidget *>()).first().second, QString("0.400μm"));
}

void ShareEndToEndTest::exportsTheRecordInImperial()
{
    GlobalManager::instance()->setupController->setUnit(UnitCode::Imperial);
    chooser.answer = root.filePath("record1");
    request("export", 1, 0);
    const QString path = chooser.answer + ".csv";
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), 10000);
    QTRY_COMPARE(notices->count("savedSuccessfully"), 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains(QByteArray("\xA6\xCC\xA1\xE5")));
    const QString text = QTextCodec::codecForName("GBK")->toUnicode(bytes);
    const QStringList lines = text.split('\n');
    QCOMPARE(lines.size() - 1, 11);
    QCOMPARE(lines.at(0), QString("计算标准,取样长度,取样个数,测量范围,滤波器"));
    QCOMPARE(lines.at(1), QString("ISO,0.25 mm,1,20 μm,GUASS,"));
    QCOMPARE(lines.at(3), QString("Ra,Rq,Rz,Rt,Rp,Rv,RS,RSm,Rsk,Rku,Rpc,"));
    QCOMPARE(lines.at(4), QString("7.874 μ″,11.811 μ″,15.748 μ″,35.433 μ″,39.370 μ″,19.685 μ″,0.05118 ″,0.05512 ″,"
                                  "1.700,1.600,2.100,"));
    GlobalManager::instance()->setupController->setUnit(UnitCode::Metric);
}

QTEST_MAIN(ShareEndToEndTest)
#include "ShareEndToEndTest.moc"
