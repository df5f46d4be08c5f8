#include "FooterWidget.h"
#include "CustomPushButton.h"
#include "GlobalData.h"
#include "Language.h"
#include "UiUtilities.h"

#include <QLabel>
#include <QtTest>

using Range = std::pair<int, int>;

namespace {

// The steps of a row: "records N", "page N" (a click on the page button N),
// "set N" (setCurrentPage), "first", "previous", "next", "last".
void apply(FooterWidget &footer, const QString &step)
{
    const QString word = step.section(' ', 0, 0);
    const int value = step.section(' ', 1, 1).toInt();
    const QMap<QString, QString> keys{
        {"first", "firstPage"}, {"previous", "previousPage"}, {"next", "nextPage"}, {"last", "lastPage"}};
    if (word == "records") {
        footer.setRecordCount(value);
    } else if (word == "set") {
        footer.setCurrentPage(value);
    } else {
        const QString text = word == "page" ? QString::number(value) : Language::instance()->text(keys.value(word));
        for (CustomPushButton *button : footer.findChildren<CustomPushButton *>()) {
            if (!button->isHidden() && button->text() == text) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        QFAIL(qPrintable("no button " + text));
    }
}

QList<CustomPushButton *> pageButtons(const FooterWidget &footer)
{
    QList<CustomPushButton *> buttons;
    for (CustomPushButton *button : footer.findChildren<CustomPushButton *>()) {
        bool number = false;
        button->text().toInt(&number);
        if (number)
            buttons << button;
    }
    return buttons;
}

QStringList shownPageNumbers(const FooterWidget &footer)
{
    QStringList numbers;
    for (CustomPushButton *button : pageButtons(footer)) {
        if (!button->isHidden())
            numbers << button->text() + (button->styleSheet().contains("rgb(56,139,255)") ? "*" : "");
    }
    return numbers;
}

// The record and page line as it reads, without the blanks between widgets.
QString infoLine(const FooterWidget &footer)
{
    QString line;
    for (QLabel *label : footer.findChildren<QLabel *>()) {
        if (!qobject_cast<CustomPushButton *>(label->parentWidget()) && !label->isHidden())
            line += label->text();
    }
    return line;
}

}

class FooterWidgetTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void paging_data();
    void paging();
    void everyMoveEmitsBothSignals_data();
    void everyMoveEmitsBothSignals();
    void languageSwitchShowsZeroUntilRefresh();

private:
    FooterWidget *footer = nullptr;
};

void FooterWidgetTest::initTestCase()
{
    qRegisterMetaType<Range>();
    loadApplicationFont(GlobalData::instance()->font, applicationFontPath, 20);
    Language::instance()->setLanguage(LanguageCode::Chinese);
}

void FooterWidgetTest::init()
{
    footer = new FooterWidget;
    footer->init();
    footer->resize(1156, 60);
    footer->show();
}

void FooterWidgetTest::cleanup()
{
    delete footer;
    Language::instance()->setLanguage(LanguageCode::Chinese);
}

void FooterWidgetTest::paging_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Range>("range");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("info");
    QTest::newRow("no records") << QStringList{"records 0"} << Range(0, 0) << QStringList{}
                                << "查询到0条记录第0页（共0页）";
    QTest::newRow("one full page") << QStringList{"records 10"} << Range(0, 10) << QStringList{"1*"}
                                   << "查询到10条记录第1页（共1页）";
    QTest::newRow("11 records, page 2") << QStringList{"records 11", "page 2"} << Range(10, 11)
                                        << QStringList{"1", "2*"} << "查询到11条记录第2页（共2页）";
    QTest::newRow("page gone falls back to 1") << QStringList{"records 25", "page 3", "records 15"} << Range(0, 10)
                                               << QStringList{"1*", "2"} << "查询到15条记录第1页（共2页）";
    QTest::newRow("page kept while it exists") << QStringList{"records 25", "page 2", "records 21"} << Range(10, 20)
                                               << QStringList{"1", "2*", "3"} << "查询到21条记录第2页（共3页）";
    QTest::newRow("30 pages at 1") << QStringList{"records 300"} << Range(0, 10)
                                   << QStringList{"1*", "2", "3", "4", "5"} << "查询到300条记录第1页（共30页）";
    QTest::newRow("30 pages at 3") << QStringList{"records 300", "set 3"} << Range(20, 30)
                                   << QStringList{"1", "2", "3*", "4", "5"} << "查询到300条记录第3页（共30页）";
    QTest::newRow("30 pages at 4") << QStringList{"records 300", "set 4"} << Range(30, 40)
                                   << QStringList{"2", "3", "4*", "5", "6"} << "查询到300条记录第4页（共30页）";
    QTest::newRow("30 pages at 27") << QStringList{"records 300", "set 27"} << Range(260, 270)
                                    << QStringList{"25", "26", "27*", "28", "29"} << "查询到300条记录第27页（共30页）";
    QTest::newRow("30 pages at 28") << QStringList{"records 300", "set 28"} << Range(270, 280)
                                    << QStringList{"26", "27", "28*", "29", "30"} << "查询到300条记录第28页（共30页）";
    QTest::newRow("30 pages, last") << QStringList{"records 295", "last"} << Range(290, 295)
                                    << QStringList{"26", "27", "28", "29", "30*"} << "查询到295条记录第30页（共30页）";
    QTest::newRow("5 pages at 4") << QStringList{"records 50", "set 4"} << Range(30, 40)
                                  << QStringList{"1", "2", "3", "4*", "5"} << "查询到50条记录第4页（共5页）";
    QTest::newRow("set 0") << QStringList{"records 30", "set 2", "set 0"} << Range(0, 10) << QStringList{"1*", "2", "3"}
                           << "查询到30条记录第1页（共3页）";
    QTest::newRow("set -3") << QStringList{"records 30", "set 2", "set -3"} << Range(0, 10)
                            << QStringList{"1*", "2", "3"} << "查询到30条记录第1页（共3页）";
    QTest::newRow("set 99 of 3") << QStringList{"records 30", "set 99"} << Range(20, 30) << QStringList{"1", "2", "3*"}
                                 << "查询到30条记录第3页（共3页）";
    QTest::newRow("set without records") << QStringList{"records 0", "set 5"} << Range(0, 0) << QStringList{}
                                         << "查询到0条记录第0页（共0页）";
    QTest::newRow("next and previous") << QStringList{"records 300", "set 27", "next", "next", "previous"}
                                       << Range(270, 280) << QStringList{"26", "27", "28*", "29", "30"}
                                       << "查询到300条记录第28页（共30页）";
    QTest::newRow("first") << QStringList{"records 300", "set 27", "first"} << Range(0, 10)
                           << QStringList{"1*", "2", "3", "4", "5"} << "查询到300条记录第1页（共30页）";
}

void FooterWidgetTest::paging()
{
    QFETCH(QStringList, steps);
    QFETCH(Range, range);
    QFETCH(QStringList, buttons);
    QFETCH(QString, info);
    for (const QString &step : steps)
        apply(*footer, step);
    QCOMPARE(footer->currentRange(), range);
    QCOMPARE(shownPageNumbers(*footer), buttons);
    QCOMPARE(infoLine(*footer), info);
    // The first, previous, next and last buttons come and go with the numbers.
    int navigationShown = 0;
    for (CustomPushButton *button : footer->findChildren<CustomPushButton *>())
        navigationShown += !button->isHidden() && !pageButtons(*footer).contains(button);
    QCOMPARE(navigationShown, buttons.isEmpty() ? 0 : 4);
}

void FooterWidgetTest::everyMoveEmitsBothSignals_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("page");
    QTest::newRow("previous on the first page") << "previous" << 1;
    QTest::newRow("next on the last page") << "next" << 3;
    QTest::newRow("the current page's button") << "page 3" << 3;
}

void FooterWidgetTest::everyMoveEmitsBothSignals()
{
    QFETCH(QString, step);
    QFETCH(int, page);
    footer->setRecordCount(30);
    footer->setCurrentPage(page);
    QSignalSpy pages(footer, &FooterWidget::currentPageChanged);
    QSignalSpy ranges(footer, &FooterWidget::rangeChanged);
    apply(*footer, step);
    QCOMPARE(pages.count(), 1);
    QCOMPARE(pages.first().first().toInt(), page);
    QCOMPARE(ranges.count(), 1);
    QCOMPARE(ranges.first().first().value<Range>(), Range((page - 1) * 10, page * 10));
}

void FooterWidgetTest::languageSwitchShowsZeroUntilRefresh()
{
    footer->setRecordCount(300);
    footer->setCurrentPage(28);
    Language::instance()->setLanguage(LanguageCode::English);
    QCOMPARE(infoLine(*footer), QString("0 Records Page 0 (Total 0 Pages)"));
    QCOMPARE(shownPageNumbers(*footer).replaceInStrings("*", ""), (QStringList{"1", "2", "3", "4", "5"}));
    footer->refresh();
    QCOMPARE(infoLine(*footer), QString("300 Records Page 28 (Total 30 Pages)"));
    QCOMPARE(shownPageNumbers(*footer), (QStringList{"26", "27", "28*", "29", "30"}));
}

QTEST_MAIN(FooterWidgetTest)
#include "FooterWidgetTest.moc"
