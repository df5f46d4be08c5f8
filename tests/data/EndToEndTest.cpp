#include "PageFixture.h"

#include "FooterWidget.h"

#include <QFile>
#include <QTextCodec>

// One operator session over real JSON files and the real index: save three
// measurements, list and search them, rename, export, delete and clear.
class EndToEndTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void wholeSession();

private:
    QStringList shownNames() const;
    int shownRow(const QString &name) const;

    PageFixture fixture;
};

void EndToEndTest::initTestCase()
{
    QVERIFY(fixture.setUp());
    QVERIFY(fixture.exportDir.isValid());
    fixture.openPage();
}

void EndToEndTest::cleanupTestCase()
{
    fixture.closePage();
    fixture.tearDown();
}

QStringList EndToEndTest::shownNames() const
{
    QStringList shown;
    for (int r = 0; r < fixture.table()->rowCount(); ++r)
        shown << fixture.cell(r, 2);
    return shown;
}

int EndToEndTest::shownRow(const QString &name) const
{
    return shownNames().indexOf(name);
}

void EndToEndTest::wholeSession()
{
    // 1. Three measurements at different times under different standards.
    fixture.saveMeasurement("alpha", "2024-03-01 09:00:00", 0, 12);
    fixture.saveMeasurement("beta_2", "2024-03-02 09:00:00", 6, 30);
    fixture.saveMeasurement("gamma'3", "2024-03-03 09:00:00", 9, 8);
    for (const char *name : {"alpha", "beta_2", "gamma'3"})
        QVERIFY(QFile::exists(fixture.jsonPath(name)));

    // 2. The whole index newest first, then by a name part and a standard.
    emit fixture.toolbar()->searchButtonClicked("");
    QCOMPARE(shownNames(), (QStringList{"gamma'3", "beta_2", "alpha"}));
    QCOMPARE(fixture.cell(1, 4), QString("ISO-97"));
    emit fixture.toolbar()->searchButtonClicked("eta_");
    QCOMPARE(shownNames(), QStringList{"beta_2"});
    emit fixture.toolbar()->searchButtonClicked("GB-14");
    QCOMPARE(shownNames(), QStringList{"gamma'3"});
    emit fixture.toolbar()->searchButtonClicked("");

    // 3. Rename through the dialog: the file and its row move.
    fixture.check(shownRow("alpha"));
    emit fixture.toolbar()->renameButtonClicked();
    auto *rename = fixture.page->findChild<RenameDialog *>();
    QVERIFY(rename);
    auto *nameEdit = rename->findChild<LineEdit *>();
    QCOMPARE(nameEdit->text(), QString("alpha"));
    nameEdit->setText("delta");
    fixture.confirmDialog<RenameDialog>();
    QVERIFY(!QFile::exists(fixture.jsonPath("alpha")));
    QVERIFY(QFile::exists(fixture.jsonPath("delta")));
    QCOMPARE(shownNames(), (QStringList{"gamma'3", "beta_2", "delta"}));
    QCOMPARE(fixture.notices->count("renameSucceeded"), 1);

    // 4. Export through the chooser: GBK text, one line per sample of the
    // longest curve, the settings in the first data row.
    fixture.check(shownRow("beta_2"));
    fixture.chooserAnswer = fixture.exportDir.path();
    emit fixture.toolbar()->exportButtonClicked();
    QFile csv(fixture.exportDir.filePath("beta_2.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QString text = QTextCodec::codecForName("GBK")->toUnicode(csv.readAll());
    const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
    QVERIFY(lines.first().startsWith("测量曲线,形状去除,波纹度轮廓,粗糙度轮廓,支承率曲线,振幅曲线,"));
    QCOMPARE(lines.size(), 1 + 30);
    QVERIFY(lines.at(1).startsWith("100,"));
    QVERIFY(lines.at(1).contains(",ISO-97,"));
    QCOMPARE(fixture.notices->count("savedSuccessfully"), 4);

    // 5. Delete one checked row: its file and row go.
    emit fixture.toolbar()->searchButtonClicked("");
    fixture.check(shownRow("gamma'3"));
    emit fixture.toolbar()->deleteButtonClicked();
    fixture.confirmDialog<AlertDialog>();
    QVERIFY(!QFile::exists(fixture.jsonPath("gamma'3")));
    QCOMPARE(shownNames(), (QStringList{"beta_2", "delta"}));

    // 6. Clear: nothing remains on disk, in the index or in the pager.
    emit fixture.toolbar()->clearButtonClicked();
    fixture.confirmDialog<AlertDialog>();
    QVERIFY(QDir(GlobalConfig::instance()->dataStorageDir).entryList(QDir::Files).isEmpty());
    QVERIFY(fixture.workspace.index->selectAllMeasureDataFileInfo().isEmpty());
    QCOMPARE(fixture.table()->rowCount(), 0);
    QCOMPARE(fixture.pageBoxText(), QString("0"));
    QCOMPARE(fixture.page->findChild<FooterWidget *>()->currentRange(), std::make_pair(0, 0));
    QCOMPARE(fixture.notices->count("deleteSucceeded"), 2);
    QTRY_COMPARE(fixture.page->findChildren<MaskWidget *>().size(), 0);
}

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
