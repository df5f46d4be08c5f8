#include "PanelRig.h"

#include "CalculateModel.h"
#include "CustomLabel.h"
#include "FileListWidget.h"
#include "LabelAndLabel.h"
#include "ParameterListWidget.h"
#include "SetupController.h"

#include <QScrollArea>
#include <QtTest>

namespace {

QWidget *content(QWidget *panel)
{
    return panel->findChild<QScrollArea *>()->widget();
}

template <typename Row> QList<Row *> visibleRows(QWidget *panel)
{
    QList<Row *> rows;
    for (Row *row : panel->findChildren<Row *>()) {
        if (!row->isHidden())
            rows << row;
    }
    return rows;
}

bool isSelected(const CustomLabel *row)
{
    return row->styleSheet().contains("232,235,239");
}

QList<MeasureDataFileInfo> fileList(int count)
{
    QList<MeasureDataFileInfo> list;
    for (int i = 0; i < count; ++i) {
        MeasureDataFileInfo info;
        info.fileName = QString("f%1").arg(i);
        list << info;
    }
    return list;
}

}

class ListsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void parameterModesReuseRows();
    void parameterValuesFollowTheUnit();
    void emptyPairsHideEveryRow();
    void fileListShowsAtMostAHundred();
    void fileSelectionFollowsTheShownFile();
    void tapOpensOnlyAFileThatReads();
    void fileListIsLockedWhileTheUnitWorks_data();
    void fileListIsLockedWhileTheUnitWorks();

private:
    PanelRig rig;
};

void ListsTest::initTestCase()
{
    QVERIFY(rig.setUp());
    Language::instance()->setLanguage(LanguageCode::English);
}

void ListsTest::cleanupTestCase()
{
    rig.tearDown();
}

void ListsTest::parameterModesReuseRows()
{
    ParameterListWidget list;
    list.init();
    CalculateModel *model = GlobalManager::instance()->calculateModel;
    const int parameters = model->parameterNameValuePairs().size();
    const int abbott = model->abbottNameValuePairs().size();
    QVERIFY(parameters > 0 && abbott > parameters);
    QCOMPARE(visibleRows<LabelAndLabel>(&list).size(), parameters);
    QCOMPARE(visibleRows<LabelAndLabel>(&list).at(0)->findChildren<QLabel *>().at(1)->text(), "--");

    list.setMode(ParameterListWidget::AbbottFirestoneMode);
    QCOMPARE(visibleRows<LabelAndLabel>(&list).size(), abbott);
    list.setMode(ParameterListWidget::ParameterMode);
    QCOMPARE(visibleRows<LabelAndLabel>(&list).size(), parameters);
    list.setMode(ParameterListWidget::AbbottFirestoneMode);
    QCOMPARE(list.findChildren<LabelAndLabel *>().size(), abbott);
    QCOMPARE(content(&list)->height(), abbott * ParameterListWidget::kRowHeight);

    // Another mode is kept, and later rebuilds by mode leave the rows.
    list.setMode(7);
    emit model->parameterCalculated();
    QCOMPARE(visibleRows<LabelAndLabel>(&list).size(), abbott);
}

void ListsTest::parameterValuesFollowTheUnit()
{
    ParameterListWidget list;
    list.init();
    list.setNameValuePairs({{"Ra", "1.000μm"}});
    GlobalData *data = GlobalData::instance();
    CalculateResult result = data->calcutateResult;
    QVERIFY(!result.parameters.isEmpty());
    result.parameters[0].valueAndUnit1 = "1.000μm";
    result.parameters[0].valueAndUnit2 = "39.37μin";
    data->calcutateResult = result;
    SetupController *setup = GlobalManager::instance()->setupController;
    setup->setUnit(UnitCode::Imperial);
    QCOMPARE(visibleRows<LabelAndLabel>(&list).at(0)->findChildren<QLabel *>().at(1)->text(), "39.37μin");
    setup->setUnit(UnitCode::Metric);
    QCOMPARE(visibleRows<LabelAndLabel>(&list).at(0)->findChildren<QLabel *>().at(1)->text(), "1.000μm");
}

void ListsTest::emptyPairsHideEveryRow()
{
    ParameterListWidget list;
    list.init();
    list.setNameValuePairs({});
    QVERIFY(visibleRows<LabelAndLabel>(&list).isEmpty());
    QCOMPARE(content(&list)->height(), 0);

    GlobalData::instance()->setMeasureDataInfoList({});
    FileListWidget files;
    files.init();
    QVERIFY(visibleRows<CustomLabel>(&files).isEmpty());
    QCOMPARE(content(&files)->height(), 0);
}

void ListsTest::fileListShowsAtMostAHundred()
{
    FileListWidget files;
    files.init();
    GlobalData::instance()->setMeasureDataInfoList(fileList(150));
    const QList<CustomLabel *> rows = visibleRows<CustomLabel>(&files);
    QCOMPARE(rows.size(), FileListWidget::kMaxRows);
    QCOMPARE(rows.first()->text(), "f0");
    QCOMPARE(rows.last()->text(), "f99");
    QCOMPARE(content(&files)->height(), FileListWidget::kMaxRows * FileListWidget::kRowHeight);
    GlobalData::instance()->setMeasureDataInfoList(fileList(3));
    QCOMPARE(visibleRows<CustomLabel>(&files).size(), 3);
    QCOMPARE(files.findChildren<CustomLabel *>().size(), FileListWidget::kMaxRows);
}

void ListsTest::fileSelectionFollowsTheShownFile()
{
    GlobalData *data = GlobalData::instance();
    data->setMeasureDataInfoList(fileList(5));
    FileListWidget files;
    files.init();
    data->currentFileName = "f2";
    emit data->currentPageChanged(PageIndex::DataManagement);
    QVERIFY(!isSelected(visibleRows<CustomLabel>(&files).at(2)));
    emit data->currentPageChanged(PageIndex::Measure);
    QVERIFY(isSelected(visibleRows<CustomLabel>(&files).at(2)));
    // The selection survives a language change, and a deletion elsewhere.
    Language::instance()->setLanguage(LanguageCode::Chinese);
    Language::instance()->setLanguage(LanguageCode::English);
    QVERIFY(isSelected(visibleRows<CustomLabel>(&files).at(2)));
    QList<MeasureDataFileInfo> list = fileList(5);
    list.removeAt(2);
    data->setMeasureDataInfoList(list);
    for (CustomLabel *row : visibleRows<CustomLabel>(&files))
        QVERIFY(!isSelected(row));
    data->setMeasureDataInfoList(fileList(5));
    QVERIFY(isSelected(visibleRows<CustomLabel>(&files).at(2)));
    // A start clears the shown name.
    data->currentFileName.clear();
    emit data->currentPageChanged(PageIndex::Measure);
    for (CustomLabel *row : visibleRows<CustomLabel>(&files))
        QVERIFY(!isSelected(row));
}

void ListsTest::tapOpensOnlyAFileThatReads()
{
    GlobalData *data = GlobalData::instance();
    PanelRig::showProfile();
    FileController *controller = GlobalManager::instance()->fileController;
    QVERIFY(controller->saveMeasurementFile("<b>bold", "2025-01-02 10:00:00"));
    QList<MeasureDataFileInfo> list = data->measureDataInfoList;
    MeasureDataFileInfo missing;
    missing.fileName = "missing";
    list.prepend(missing);
    data->setMeasureDataInfoList(list);
    data->currentFileName = "shown";
    emit data->currentPageChanged(PageIndex::Measure);

    FileListWidget files;
    files.init();
    files.resize(260, 380);
    files.show();
    NoticeRecorder notices;
    QList<CustomLabel *> rows = visibleRows<CustomLabel>(&files);
    QCOMPARE(rows.at(0)->text(), "missing");
    emit rows.at(0)->clicked();
    QCOMPARE(notices.count("openFailed"), 1);
    QCOMPARE(data->currentFileName, "shown");
    QVERIFY(!isSelected(rows.at(0)));

    // A name is shown as it is, not as markup.
    QCOMPARE(rows.at(1)->findChild<QLabel *>()->textFormat(), Qt::PlainText);
    QTest::mouseClick(rows.at(1), Qt::LeftButton);
    QCOMPARE(data->currentFileName, "<b>bold");
    QVERIFY(isSelected(rows.at(1)));
    QVERIFY(!isSelected(rows.at(0)));
    QCOMPARE(notices.count("openFailed"), 1);
}

void ListsTest::fileListIsLockedWhileTheUnitWorks_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<bool>("locked");
    QTest::newRow("measuring") << 8 << true;
    QTest::newRow("fetching") << 16 << true;
    QTest::newRow("calibrating") << 32 << true;
    QTest::newRow("moving only") << 4 << false;
}

void ListsTest::fileListIsLockedWhileTheUnitWorks()
{
    QFETCH(int, bits);
    QFETCH(bool, locked);
    GlobalData *data = GlobalData::instance();
    data->setMeasureDataInfoList(fileList(3));
    data->currentFileName = "f1";
    FileListWidget files;
    files.init();
    files.resize(260, 380);
    files.show();
    emit data->currentPageChanged(PageIndex::Measure);
    PanelRig::emitFlags({true, true, bool(bits & 4), bool(bits & 8), bool(bits & 16), bool(bits & 32), true});
    QList<CustomLabel *> rows = visibleRows<CustomLabel>(&files);
    QCOMPARE(content(&files)->isEnabled(), !locked);
    QCOMPARE(isSelected(rows.at(1)), !locked);
    QTest::mouseClick(rows.at(2), Qt::LeftButton);
    QCOMPARE(data->currentFileName, "f1");
    PanelRig::emitFlags({true, true, false, false, false, false, true});
    QVERIFY(content(&files)->isEnabled());
}

QTEST_MAIN(ListsTest)
#include "ListsTest.moc"
