#include "CheckBox.h"
#include "ComboBox.h"
#include "TableWidget.h"

#include <QScrollBar>
#include <QtTest>

class SelectionControlsTest : public QObject
{
    Q_OBJECT
private slots:
    void setItemsKeepsIndexSilently_data();
    void setItemsKeepsIndexSilently();
    void itemHeightReachesStyleAndBox();
    void tableDragScrolls_data();
    void tableDragScrolls();
    void tablePressesReachCellsAndCheckBoxes();
};

void SelectionControlsTest::setItemsKeepsIndexSilently_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("expected");
    const QStringList five = {"a", "b", "c", "d", "e"};
    QTest::newRow("index kept") << QStringList{"x", "y", "z"} << 2 << five << 2;
    QTest::newRow("empty combo") << QStringList() << -1 << five << 0;
    QTest::newRow("shorter list") << QStringList{"x", "y", "z"} << 2 << QStringList{"a"} << -1;
}

void SelectionControlsTest::setItemsKeepsIndexSilently()
{
    QFETCH(QStringList, before);
    QFETCH(int, index);
    QFETCH(QStringList, after);
    QFETCH(int, expected);
    ComboBox combo;
    if (!before.isEmpty()) {
        combo.setItems(before);
        combo.setCurrentIndex(index);
    }
    QSignalSpy spy(&combo, &ComboBox::indexChanged);
    combo.setItems(after);
    QCOMPARE(combo.currentIndex(), expected);
    QCOMPARE(combo.count(), after.size());
    QCOMPARE(spy.count(), 0);

    combo.setCurrentIndex(0);
    combo.setCurrentIndex(0);
    QCOMPARE(spy.count(), expected == 0 ? 0 : 1);
    combo.setItems(after);
    QCOMPARE(spy.count(), expected == 0 ? 0 : 1);
}

void SelectionControlsTest::itemHeightReachesStyleAndBox()
{
    ComboBox unset;
    unset.setStyle(4);
    QVERIFY(unset.styleSheet().contains("QComboBox QAbstractItemView::item { height:45px;"));

    ComboBox combo;
    combo.setStyle(3);
    combo.setItemHeight(45);
    QVERIFY(combo.styleSheet().startsWith("QComboBox { border-radius:0px; border:2px solid #BEBEBE;"));
    QVERIFY(combo.styleSheet().contains("QComboBox QAbstractItemView::item { height:45px;"));
    QCOMPARE(combo.minimumHeight(), 45);
    QCOMPARE(combo.maximumHeight(), 45);
    combo.setItemHeight(60);
    QVERIFY(combo.styleSheet().contains("height:60px;"));

    combo.setStyle(5);
    QVERIFY(combo.styleSheet().isEmpty());
}

void SelectionControlsTest::tableDragScrolls_data()
{
    QTest::addColumn<int>("moveY");
    QTest::addColumn<int>("expected");
    QTest::newRow("finger up scrolls down") << 250 << 90;
    QTest::newRow("beyond the start stops at 0") << 400 << 0;
    QTest::newRow("past the maximum stops there") << -100000 << -1;
}

void SelectionControlsTest::tableDragScrolls()
{
    QFETCH(int, moveY);
    QFETCH(int, expected);
    TableWidget table;
    table.setRowCount(100);
    table.setColumnCount(1);
    table.resize(300, 500);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QScrollBar *bar = table.verticalScrollBar();
    QVERIFY(bar->maximum() > 500);
    if (expected < 0)
        expected = bar->maximum();

    QWidget *viewport = table.viewport();
    QTest::mouseMove(viewport, QPoint(50, 100));
    QCOMPARE(bar->value(), 0);

    bar->setValue(40);
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(50, 300));
    QMouseEvent moveEvent(QEvent::MouseMove, QPointF(50, moveY), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &moveEvent);
    QCOMPARE(bar->value(), expected);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(50, moveY));
    QMouseEvent after(QEvent::MouseMove, QPointF(50, 300), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &after);
    QCOMPARE(bar->value(), expected);
}

void SelectionControlsTest::tablePressesReachCellsAndCheckBoxes()
{
    TableWidget table;
    table.setRowCount(3);
    table.setColumnCount(2);
    auto *check = new CheckBox;
    check->setStyle(2);
    table.setCellWidget(0, 0, check);
    table.resize(300, 300);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));

    QSignalSpy cells(&table, &QTableWidget::cellPressed);
    const QRect cell = table.visualRect(table.model()->index(1, 1));
    QTest::mousePress(table.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseRelease(table.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QCOMPARE(cells.count(), 1);

    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, QPoint(15, check->height() / 2));
    QVERIFY(check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, QPoint(15, check->height() / 2));
    QVERIFY(!check->isChecked());
}

QTEST_MAIN(SelectionControlsTest)
#include "SelectionControlsTest.moc"
