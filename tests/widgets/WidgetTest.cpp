#include "Widget.h"
#include "GlobalData.h"
#include "Language.h"

#include <QApplication>
#include <QPointer>
#include <QtTest>

namespace {

class RecordingWidget : public Widget
{
public:
    explicit RecordingWidget(QStringList *log)
        : log(log)
    {
    }

protected:
    void initData() override { log->append("data"); }
    void initUi() override { log->append("layout"); }
    void initConnect() override { log->append("connect"); }
    void initStyle() override { log->append("style"); }
    void retranslateUi() override { log->append("texts"); }

private:
    QStringList *log;
};

}

class WidgetTest : public QObject
{
    Q_OBJECT
private slots:
    void hooksRunInOrderThenFollowLanguageAndUnit();
    void deletedWidgetIsNotCalled();
    void styleSheetBackgroundShows();
    void indentText_data();
    void indentText();
    void indentTextList();
    void loadApplicationFont_data();
    void loadApplicationFont();
};

void WidgetTest::hooksRunInOrderThenFollowLanguageAndUnit()
{
    QStringList log;
    RecordingWidget widget(&log);
    QVERIFY(log.isEmpty());
    widget.init();
    QCOMPARE(log, QStringList({"data", "layout", "connect", "style", "texts"}));

    log.clear();
    Language::instance()->setLanguage(Language::instance()->language);
    QCOMPARE(log, QStringList({"texts"}));
    emit GlobalData::instance()->unitChanged(GlobalData::instance()->unit);
    QCOMPARE(log, QStringList({"texts", "texts"}));
}

void WidgetTest::deletedWidgetIsNotCalled()
{
    QStringList log;
    auto *widget = new RecordingWidget(&log);
    widget->init();
    delete widget;
    log.clear();
    Language::instance()->setLanguage(Language::instance()->language);
    emit GlobalData::instance()->unitChanged(GlobalData::instance()->unit);
    QVERIFY(log.isEmpty());
}

void WidgetTest::styleSheetBackgroundShows()
{
    QStringList log;
    RecordingWidget widget(&log);
    widget.init();
    widget.resize(60, 40);
    widget.setStyleSheet("background-color: rgb(10,200,30); border-radius: 0px;");
    const QImage image = widget.grab().toImage();
    QCOMPARE(image.pixelColor(30, 20), QColor(10, 200, 30));
}

void WidgetTest::indentText_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("minus one") << -1 << "mm";
    QTest::newRow("zero") << 0 << "mm";
    QTest::newRow("three") << 3 << "   mm";
}

void WidgetTest::indentText()
{
    QFETCH(int, count);
    QFETCH(QString, expected);
    QCOMPARE(::indentText("mm", count), expected);
    QCOMPARE(::indentTextList({"mm", "mm"}, count), QStringList({expected, expected}));
}

void WidgetTest::indentTextList()
{
    QCOMPARE(::indentTextList({}, 3), QStringList());
    QCOMPARE(::indentTextList({"b", "a"}, 1), QStringList({" b", " a"}));
}

void WidgetTest::loadApplicationFont_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("family");
    QTest::newRow("bundled") << QString(applicationFontPath) << "WenQuanYi Micro Hei";
    QTest::newRow("missing file") << ":/resources/font/missing.ttf"
                                  << "Kept Family";
}

void WidgetTest::loadApplicationFont()
{
    QFETCH(QString, path);
    QFETCH(QString, family);
    QFont font("Kept Family");
    font.setPixelSize(11);
    ::loadApplicationFont(font, path, 20);
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pixelSize(), 20);
    QCOMPARE(QApplication::font().family(), family);
    QCOMPARE(QApplication::font().pixelSize(), 20);
}

QTEST_MAIN(WidgetTest)
#include "WidgetTest.moc"
