#include "KeyedButton.h"
#include "NoticeRecorder.h"
#include "ShareTestSupport.h"

#include "CheckBox.h"
#include "CustomPushButton.h"
#include "FileChooser.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "Language.h"
#include "LineEdit.h"
#include "NetworkController.h"
#include "SetupController.h"
#include "TableWidget.h"
#include "TouchButton.h"
#include "UiUtilities.h"
#include "configListWidget.h"
#include "paraListWidget.h"
#include "shareFileView.h"
#include "sharedDataControlView.h"
#include "sharedFilePrintContentWidget.h"
#include "sharedFilePrintWidget.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Record value k holds k + 0.5; the two last values are 16-bit words.
DATA_SAVE madeRecord(quint8 standard, quint16 word24 = 24, quint16 word25 = 25)
{
    DATA_SAVE record{};
    record.calculateStandard = standard;
    record.samplingLength = 1;
    record.samplingNumber = 5;
    record.measureRange = 3;
    record.filter = 2;
    for (int k = 0; k < 24; ++k)
        record.values[k] = float(k + 0.5);
    record.wordValues[0] = word24;
    record.wordValues[1] = word25;
    return record;
}

} // namespace

class ShareTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void parameterRows_data();
    void parameterRows();
    void configurationRows_data();
    void configurationRows();
    void imperialTexts_data();
    void imperialTexts();
    void unitAndLanguageReRenderTheOpenedRecord();
    void printingAnotherRecordKeepsTheOpenedOne();
    void exportReportsItsOutcome_data();
    void exportReportsItsOutcome();

    void listPages();
    void listSelectionAndRequests();
    void listJump_data();
    void listJump();
    void listFooterFollowsTheLanguage();
    void listWithoutLinkAsksNothing();

    void titledListsReuseRows();

private:
    QStringList tableNumbers(sharedDataControlView *list) const;

    QTemporaryDir root;
    std::unique_ptr<NoticeRecorder> notices;
    std::unique_ptr<QWidget> mainWindow;
    std::unique_ptr<shareFileView> page;
    NetworkController *link = nullptr;
};

void ShareTest::initTestCase()
{
    QVERIFY(root.isValid());
    QVERIFY(QDir::setCurrent(root.path()));
    loadApplicationFont(GlobalData::instance()->font, applicationFontPath, 20);
    link = GlobalManager::instance()->networkController;
    GlobalData::instance()->mainWindowRect = QRect(0, 0, 1280, 800);
}

void ShareTest::init()
{
    Language::instance()->setLanguage(LanguageCode::Chinese);
    GlobalManager::instance()->setupController->setUnit(UnitCode::Metric);
    GlobalData::instance()->executingMachineDataAction = RecordAction::None;
    link->networkConnectStatus = true;
    notices = std::make_unique<NoticeRecorder>();
    mainWindow = std::make_unique<QWidget>();
    mainWindow->resize(1280, 800);
    GlobalData::instance()->mainWidget = mainWindow.get();
    page = std::make_unique<shareFileView>();
    page->init();
    page->resize(1280 - 0, 755);
}

void ShareTest::cleanup()
{
    page.reset();
    GlobalData::instance()->mainWidget = nullptr;
    mainWindow.reset();
    notices.reset();
    link->networkConnectStatus = false;
}

void ShareTest::cleanupTestCase()
{
    GlobalData::instance()->noticeContainer.release();
}

QStringList ShareTest::tableNumbers(sharedDataControlView *list) const
{
    auto *table = list->findChild<TableWidget *>();
    QStringList numbers;
    for (int row = 0; row < table->rowCount(); ++row)
        numbers << table->item(row, 1)->text();
    return numbers;
}

void ShareTest::parameterRows_data()
{
    QTest::addColumn<DATA_SAVE>("record");
    QTest::addColumn<Rows>("rows");
    QTest::newRow("DIN") << madeRecord(1)
                         << Rows{{"Ra", "1.500μm"},    {"Rq", "2.500μm"},  {"Rz", "3.500μm"},  {"Ry", "11.500μm"},
                                 {"Rmax", "19.500μm"}, {"RS", "12.500mm"}, {"RSm", "13.500mm"}};
    QTest::newRow("ANSI") << madeRecord(3)
                          << Rows{{"Ra", "1.500μm"}, {"Rq", "2.500μm"},  {"Rz", "3.500μm"},   {"Rmax", "19.500μm"},
                                  {"Rt", "8.500μm"}, {"RS", "12.500mm"}, {"RSm", "13.500mm"}, {"Rpc", "20.500"}};
    QTest::newRow("code beyond the lists") << madeRecord(5) << Rows{};
}

void ShareTest::parameterRows()
{
    QFETCH(DATA_SAVE, record);
    QFETCH(Rows, rows);
    page->onOpenRecord(record);
    QCOMPARE(page->parameterRows(), rows);
    QCOMPARE(shownRows(page->findChild<paraListWidget *>()), rows);
}

void ShareTest::configurationRows_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("in range") << QByteArray("\x00\x01\x05\x03\x02", 5)
                              << QStringList{"ISO", "0.8 mm", "5", "160 μm", "GUASS"};
    QTest::newRow("beyond") << QByteArray("\x04\x03\x00\x04\x04", 5) << QStringList{"", "", "0", "", ""};
}

void ShareTest::configurationRows()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, values);
    DATA_SAVE record = madeRecord(quint8(bytes[0]));
    record.samplingLength = quint8(bytes[1]);
    record.samplingNumber = quint8(bytes[2]);
    record.measureRange = quint8(bytes[3]);
    record.filter = quint8(bytes[4]);
    page->onOpenRecord(record);
    const Rows rows = shownRows(page->findChild<configListWidget *>());
    QCOMPARE(rows.size(), 5);
    QStringList shown;
    for (const auto &row : rows)
        shown << row.second;
    QCOMPARE(shown, values);
    QCOMPARE(rows.first().first, QString("计算标准"));
    QCOMPARE(GlobalData::instance()->executingMachineDataAction, int(RecordAction::None));
}

void ShareTest::imperialTexts_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("metric");
    QTest::addColumn<QString>("imperial");
    QTest::newRow("Ra 1.0") << 1.0f << "μm"
                            << "1.000μm"
                            << "39.370 μ″";
    QTest::newRow("RSm 0.1 mm") << 0.1f << "mm"
                                << "0.100mm"
                                << "0.00394 ″";
    QTest::newRow("Rsk 0.5") << 0.5f << ""
                             << "0.500"
                             << "0.500";
    QTest::newRow("Rku 3.2") << 3.2f << ""
                             << "3.200"
                             << "3.200";
}

void ShareTest::imperialTexts()
{
    QFETCH(float, value);
    QFETCH(QString, unit);
    QFETCH(QString, metric);
    QFETCH(QString, imperial);
    QCOMPARE(page->valueText(value, unit), metric);
    GlobalManager::instance()->setupController->setUnit(UnitCode::Imperial);
    QCOMPARE(page->valueText(value, unit), imperial);
}

void ShareTest::unitAndLanguageReRenderTheOpenedRecord()
{
    // Before a record is opened a change shows nothing.
    GlobalManager::instance()->setupController->setUnit(UnitCode::Imperial);
    QVERIFY(shownRows(page->findChild<paraListWidget *>()).isEmpty());
    GlobalManager::instance()->setupController->setUnit(UnitCode::Metric);

    page->onOpenRecord(madeRecord(4, 0xFFFF, 0xFFFE));
    Rows rows = shownRows(page->findChild<paraListWidget *>());
    QCOMPARE(rows.size(), 25);
    QCOMPARE(rows.first(), qMakePair(QString("Ra"), QString("1.500μm")));
    QCOMPARE(rows.at(23), qMakePair(QString("iMr1"), QString("-1.000μm")));
    QCOMPARE(rows.at(24), qMakePair(QString("iMr2"), QString("-2.000μm")));

    GlobalManager::instance()->setupController->setUnit(UnitCode::Imperial);
    rows = shownRows(page->findChild<paraListWidget *>());
    QCOMPARE(rows.first().second, QString("59.055 μ″"));
    QCOMPARE(rows.at(11).second, QString("0.49213 ″"));
    QCOMPARE(rows.at(23).second, QString("-39.370 μ″"));

    Language::instance()->setLanguage(LanguageCode::English);
    QCOMPARE(shownRows(page->findChild<configListWidget *>()).first().first, QString("Calc.Stand."));
}

void ShareTest::printingAnotherRecordKeepsTheOpenedOne()
{
    page->onOpenRecord(madeRecord(1));
    const Rows shownA = shownRows(page->findChild<paraListWidget *>());
    GlobalData::instance()->executingMachineDataAction = RecordAction::Print;
    DATA_SAVE b = madeRecord(0);
    b.values[1] = 7.0f;
    page->onPrintRecord(b);
    QCOMPARE(GlobalData::instance()->executingMachineDataAction, int(RecordAction::None));
    auto *overlay = mainWindow->findChild<sharedFilePrintWidget *>();
    QVERIFY(overlay);
    QCOMPARE(overlay->pos(), QPoint(50, 45));
    auto *report = static_cast<sharedFilePrintContentWidget *>(overlay->page());
    QCOMPARE(report->informationList().at(0).at(1), QString("ISO"));
    QCOMPARE(shownRows(page->findChild<paraListWidget *>()), shownA);

    GlobalManager::instance()->setupController->setUnit(UnitCode::Imperial);
    Language::instance()->setLanguage(LanguageCode::English);
    const Rows after = shownRows(page->findChild<paraListWidget *>());
    QCOMPARE(after.size(), shownA.size());
    QCOMPARE(after.at(3).first, QString("Ry"));
    overlay->close();
}

void ShareTest::exportReportsItsOutcome_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("notice");
    QTest::newRow("name without extension") << "out"
                                            << "out.csv"
                                            << "savedSuccessfully";
    QTest::newRow("name with extension") << "second.csv"
                                         << "second.csv"
                                         << "savedSuccessfully";
    QTest::newRow("folder that does not exist") << "missing/out.csv"
                                                << ""
                                                << "saveFailed";
    QTest::newRow("cancelled") << ""
                               << ""
                               << "";
}

void ShareTest::exportReportsItsOutcome()
{
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(QString, notice);
    AnsweringChooser chooser;
    chooser.answer = answer.isEmpty() ? QString() : root.filePath(answer);
    page->setFileChooser(&chooser);
    GlobalData::instance()->executingMachineDataAction = RecordAction::Export;
    page->onExportRecord(madeRecord(1));
    QCOMPARE(chooser.asked, 1);
    QCOMPARE(GlobalData::instance()->executingMachineDataAction, int(RecordAction::None));
    if (!written.isEmpty())
        QVERIFY(QFile::exists(root.filePath(written)));
    QCOMPARE(notices->count("savedSuccessfully"), notice == "savedSuccessfully" ? 1 : 0);
    QCOMPARE(notices->count("saveFailed"), notice == "saveFailed" ? 1 : 0);
    page->setFileChooser(nullptr);
}

void ShareTest::listPages()
{
    sharedDataControlView *list = page->getRecordListView();
    auto *pageEdit = list->findChild<LineEdit *>();
    QCOMPARE(pageEdit->text(), QString("0"));
    QVERIFY(tableNumbers(list).isEmpty());
    const QList<CustomPushButton *> pager = list->findChildren<CustomPushButton *>();
    emit pager.at(1)->clicked();
    QCOMPARE(pageEdit->text(), QString("0"));

    emit link->executingMachineDataUpdata(12);
    QCOMPARE(pageEdit->text(), QString("1"));
    QCOMPARE(tableNumbers(list), (QStringList{"1", "2", "3", "4", "5"}));
    emit pager.at(0)->clicked();
    QCOMPARE(pageEdit->text(), QString("3"));
    QCOMPARE(tableNumbers(list), (QStringList{"11", "12"}));
    emit pager.at(1)->clicked();
    QCOMPARE(tableNumbers(list), (QStringList{"1", "2", "3", "4", "5"}));
    emit pager.at(1)->clicked();
    emit pager.at(1)->clicked();
    // A count that still covers the page keeps it; one that does not starts
    // again at page 1.
    emit link->executingMachineDataUpdata(11);
    QCOMPARE(tableNumbers(list), (QStringList{"11"}));
    emit link->executingMachineDataUpdata(7);
    QCOMPARE(pageEdit->text(), QString("1"));
    emit link->executingMachineDataUpdata(0);
    QCOMPARE(pageEdit->text(), QString("0"));
    QVERIFY(tableNumbers(list).isEmpty());
}

void ShareTest::listSelectionAndRequests()
{
    sharedDataControlView *list = page->getRecordListView();
    emit link->executingMachineDataUpdata(12);
    emit list->findChildren<CustomPushButton *>().at(1)->clicked();
    TouchButton *open = keyedButton(list, "open2");
    QVERIFY(!open->isEnabled());
    // Replaced cell widgets go with the next turn of the event loop.
    QTRY_COMPARE(list->findChild<TableWidget *>()->findChildren<CheckBox *>().size(), 5);
    QList<CheckBox *> boxes = list->findChild<TableWidget *>()->findChildren<CheckBox *>();
    boxes.at(1)->click();
    QVERIFY(open->isEnabled() && keyedButton(list, "print")->isEnabled() && keyedButton(list, "export")->isEnabled());
    boxes.at(3)->click();
    QVERIFY(!open->isEnabled());
    boxes.at(3)->click();
    QVERIFY(open->isEnabled());
    open->click();
    QCOMPARE(GlobalData::instance()->executingMachineDataAction, int(RecordAction::Open));
    keyedButton(list, "export")->click();
    QCOMPARE(GlobalData::instance()->executingMachineDataAction, int(RecordAction::Export));

    // A refresh rebuilds the rows unchecked, each box deleted once.
    const QPointer<CheckBox> old = boxes.first();
    emit link->executingMachineDataUpdata(12);
    QTRY_VERIFY(old.isNull());
    boxes = list->findChild<TableWidget *>()->findChildren<CheckBox *>();
    QCOMPARE(boxes.size(), 5);
    QVERIFY(!open->isEnabled());
}

void ShareTest::listJump_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("beyond the last") << "99"
                                     << "3";
    QTest::newRow("empty") << ""
                           << "1";
    QTest::newRow("zero") << "0"
                          << "1";
    QTest::newRow("second") << "2"
                            << "2";
}

void ShareTest::listJump()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    sharedDataControlView *list = page->getRecordListView();
    emit link->executingMachineDataUpdata(12);
    auto *pageEdit = list->findChild<LineEdit *>();
    pageEdit->setText(typed);
    keyedButton(list, "jump")->click();
    QCOMPARE(pageEdit->text(), shown);
}

void ShareTest::listFooterFollowsTheLanguage()
{
    sharedDataControlView *list = page->getRecordListView();
    emit link->executingMachineDataUpdata(12);
    auto footerText = [list] {
        QString text;
        for (QLabel *label : list->findChildren<QLabel *>()) {
            if (label->isVisibleTo(list) && !label->parentWidget()->inherits("CustomPushButton"))
                text += label->text();
        }
        return text;
    };
    QCOMPARE(footerText(), QString("查询到12条记录第1页（共3页）"));
    Language::instance()->setLanguage(LanguageCode::English);
    QCOMPARE(footerText(), QString("12 Records Page 1 (Total 3 Pages)"));
    Language::instance()->setLanguage(LanguageCode::Chinese);
    QCOMPARE(footerText(), QString("查询到12条记录第1页（共3页）"));
}

void ShareTest::listWithoutLinkAsksNothing()
{
    sharedDataControlView *list = page->getRecordListView();
    emit link->executingMachineDataUpdata(6);
    list->findChild<TableWidget *>()->findChildren<CheckBox *>().at(0)->click();
    link->networkConnectStatus = false;
    keyedButton(list, "refresh")->click();
    keyedButton(list, "print")->click();
    QCOMPARE(notices->count("communicationDisconnected"), 2);
    QCOMPARE(GlobalData::instance()->executingMachineDataAction, int(RecordAction::None));
}

void ShareTest::titledListsReuseRows()
{
    paraListWidget list;
    list.init();
    list.resize(400, 380);
    list.show();
    auto rowsOf = [](int count, const QString &tag) {
        Rows rows;
        for (int i = 0; i < count; ++i)
            rows.append({tag + QString::number(i), QString::number(i)});
        return rows;
    };
    list.setRows(rowsOf(11, "a"));
    const QList<LabelAndLabel *> made = list.findChildren<LabelAndLabel *>();
    QCOMPARE(made.size(), 11);
    QCOMPARE(made.first()->height(), 47);
    QWidget *content = made.first()->parentWidget();
    QCOMPARE(content->height(), 517);
    list.setRows(rowsOf(7, "b"));
    QCOMPARE(shownRows(&list), rowsOf(7, "b"));
    QCOMPARE(content->height(), 7 * 47);
    list.setRows(rowsOf(11, "c"));
    QCOMPARE(list.findChildren<LabelAndLabel *>(), made);
    QCOMPARE(shownRows(&list), rowsOf(11, "c"));
    list.setRows({});
    QVERIFY(shownRows(&list).isEmpty());
    QCOMPARE(content->height(), 0);
}

QTEST_MAIN(ShareTest)
#include "ShareTest.moc"
