#include "KeyedButton.h"

#include "ButtonsWidget.h"
#include "CheckBox.h"
#include "CustomTableWidget.h"
#include "GlobalData.h"
#include "Language.h"
#include "LineEdit.h"
#include "SearchBox.h"
#include "TableWidget.h"
#include "TouchButton.h"
#include "UiUtilities.h"

#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QtTest>

namespace {

QList<QStringList> sampleRows(int count)
{
    QList<QStringList> rows;
    for (int i = 0; i < count; ++i)
        rows << QStringList{QString::number(i + 1),
                            QString("file%1").arg(i),
                            "2024-05-01 10:00:00",
                            "ISO-97",
                            "Gaussian",
                            "2.5 μm",
                            "0.8 mm"};
    return rows;
}

CheckBox *rowBox(const CustomTableWidget &panel, int row)
{
    QWidget *cell = panel.findChild<TableWidget *>()->cellWidget(row, 0);
    return cell ? cell->findChild<CheckBox *>() : nullptr;
}

CheckBox *selectAllBox(const CustomTableWidget &panel)
{
    const auto *table = panel.findChild<TableWidget *>();
    for (CheckBox *box : panel.findChildren<CheckBox *>()) {
        if (!table->isAncestorOf(box))
            return box;
    }
    return nullptr;
}

QList<int> columnWidths(const TableWidget &table)
{
    QList<int> widths;
    for (int c = 0; c < table.columnCount(); ++c)
        widths << table.columnWidth(c);
    return widths;
}

}

class PanelsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void selectAllChecksEveryRow();
    void rowClicksReportAllCheckedRows();
    void newRowsStartUncheckedWithoutSignal();
    void onlyTheFileNameColumnStretches();
    void toolbarStartsWithSingleFileActionsOff();
    void jumpAndSearchPassTheirText();

private:
    CustomTableWidget *table = nullptr;
};

void PanelsTest::initTestCase()
{
    loadApplicationFont(GlobalData::instance()->font, applicationFontPath, 20);
}

void PanelsTest::init()
{
    table = new CustomTableWidget;
    table->init();
    table->resize(1156, 560);
    table->show();
}

void PanelsTest::cleanup()
{
    delete table;
}

void PanelsTest::selectAllChecksEveryRow()
{
    QSignalSpy spy(table, &CustomTableWidget::checkBoxListChanged);
    table->setRows({});
    selectAllBox(*table)->click();
    QCOMPARE(spy.takeFirst().first().value<QList<int>>(), QList<int>{});

    table->setRows(sampleRows(3));
    QVERIFY(!selectAllBox(*table)->isChecked());
    selectAllBox(*table)->click();
    QCOMPARE(spy.takeFirst().first().value<QList<int>>(), (QList<int>{0, 1, 2}));
    QCOMPARE(table->firstCheckedRow(), 0);
    selectAllBox(*table)->click();
    QCOMPARE(spy.takeFirst().first().value<QList<int>>(), QList<int>{});
    QCOMPARE(table->firstCheckedRow(), -1);
}

void PanelsTest::rowClicksReportAllCheckedRows()
{
    table->setRows(sampleRows(8));
    QSignalSpy spy(table, &CustomTableWidget::checkBoxListChanged);
    rowBox(*table, 2)->click();
    QCOMPARE(spy.takeFirst().first().value<QList<int>>(), QList<int>{2});
    rowBox(*table, 5)->click();
    QCOMPARE(spy.takeFirst().first().value<QList<int>>(), (QList<int>{2, 5}));
    QCOMPARE(table->firstCheckedRow(), 2);
    const auto *grid = table->findChild<TableWidget *>();
    QCOMPARE(grid->item(5, 2)->text(), QString("file5"));
    QCOMPARE(grid->item(5, 7)->text(), QString("0.8 mm"));
    QCOMPARE(grid->rowHeight(5), 46);
}

void PanelsTest::newRowsStartUncheckedWithoutSignal()
{
    table->setRows(sampleRows(4));
    selectAllBox(*table)->click();
    QPointer<CheckBox> oldBox = rowBox(*table, 1);
    QSignalSpy spy(table, &CustomTableWidget::checkBoxListChanged);
    table->setRows(sampleRows(6));
    QCOMPARE(spy.count(), 0);
    QVERIFY(!selectAllBox(*table)->isChecked());
    QCOMPARE(table->checkedRows(), QList<int>{});
    for (int r = 0; r < 6; ++r)
        QVERIFY(rowBox(*table, r) && !rowBox(*table, r)->isChecked());
    // The old boxes go with their cells, once.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(oldBox.isNull());
    table->setRows({});
    QCOMPARE(table->findChild<TableWidget *>()->rowCount(), 0);
}

void PanelsTest::onlyTheFileNameColumnStretches()
{
    table->setRows(sampleRows(2));
    auto *grid = table->findChild<TableWidget *>();
    const auto labels = table->findChildren<QLabel *>();
    QLabel *fileNameHeader = nullptr;
    for (QLabel *label : labels) {
        if (label->parentWidget() == table && label->minimumWidth() != label->maximumWidth())
            fileNameHeader = label;
    }
    QVERIFY(fileNameHeader);
    QTRY_VERIFY(grid->columnWidth(2) > 200);
    const QList<int> before = columnWidths(*grid);
    const int headerBefore = fileNameHeader->width();
    table->resize(1356, 560);
    QTRY_COMPARE(grid->columnWidth(2), before[2] + 200);
    QTRY_COMPARE(fileNameHeader->width(), headerBefore + 200);
    QList<int> after = columnWidths(*grid);
    after[2] = before[2];
    QCOMPARE(after, before);
    QCOMPARE(before.mid(3), (QList<int>{220, 145, 145, 145, 145}));
    QCOMPARE(before.mid(0, 2), (QList<int>{50, 70}));
}

void PanelsTest::toolbarStartsWithSingleFileActionsOff()
{
    ButtonsWidget toolbar;
    toolbar.init();
    const auto buttons = toolbar.findChildren<TouchButton *>();
    QStringList enabled;
    QStringList disabled;
    for (TouchButton *button : buttons) {
        if (!button->text().isEmpty())
            (button->isEnabled() ? enabled : disabled) << button->text();
    }
    Language *dictionary = Language::instance();
    QCOMPARE(disabled, (QStringList{dictionary->text("open2"), dictionary->text("rename"), dictionary->text("print"),
                                    dictionary->text("export")}));
    QCOMPARE(enabled, (QStringList{dictionary->text("delete"), dictionary->text("clear"), dictionary->text("jump")}));
    toolbar.setSingleFileActionsEnabled(true);
    QVERIFY(keyedButton(&toolbar, "open2")->isEnabled());
    toolbar.setSingleFileActionsEnabled(false);
    QVERIFY(keyedButton(&toolbar, "delete")->isEnabled());
}

void PanelsTest::jumpAndSearchPassTheirText()
{
    ButtonsWidget toolbar;
    toolbar.init();
    QSignalSpy jumps(&toolbar, &ButtonsWidget::jumpButtonClicked);
    QSignalSpy searches(&toolbar, &ButtonsWidget::searchButtonClicked);
    auto *pageBox = toolbar.findChild<LineEdit *>();
    TouchButton *jump = keyedButton(&toolbar, "jump");
    pageBox->clear();
    jump->click();
    toolbar.setPageNumber(12345678);
    QCOMPARE(pageBox->text(), QString("12345678"));
    jump->click();
    QCOMPARE(jumps.count(), 2);
    QCOMPARE(jumps.at(0).first().toInt(), 0);
    QCOMPARE(jumps.at(1).first().toInt(), 12345678);

    auto *searchBox = toolbar.findChild<SearchBox *>();
    emit searchBox->searchButtonClicked("ISO");
    QCOMPARE(searches.count(), 1);
    QCOMPARE(searches.first().first().toString(), QString("ISO"));
    QCOMPARE(toolbar.searchText(), searchBox->text());
}

QTEST_MAIN(PanelsTest)
#include "PanelsTest.moc"
