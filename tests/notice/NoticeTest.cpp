#include "ScrollNoticeContainer.h"

#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPointer>
#include <QtTest>

#include <algorithm>

namespace {
constexpr int kWait = 8000;

QString labelText(const Notice *notice)
{
    return notice->findChild<QLabel *>()->text();
}

// A shown parent widget with a container that presents over it.
struct Stage {
    explicit Stage(QSize size)
    {
        window.resize(size);
        window.show();
        container.setParentWidget(&window);
    }

    QWidget window;
    ScrollNoticeContainer container;
};

// The shown notices over a widget, newest (lowest on screen) first.
QList<Notice *> stackOf(const QWidget &widget)
{
    QList<Notice *> notices = widget.findChildren<Notice *>();
    std::sort(notices.begin(), notices.end(), [](Notice *a, Notice *b) {
        return a->y() > b->y();
    });
    return notices;
}

int queuedNotices()
{
    const QWidgetList widgets = QApplication::allWidgets();
    return static_cast<int>(std::count_if(widgets.cbegin(), widgets.cend(), [](QWidget *widget) {
        return qobject_cast<Notice *>(widget) && !widget->parentWidget();
    }));
}
}

class NoticeTest : public QObject
{
    Q_OBJECT
private slots:
    void noticeSizeFollowsText();
    void typeChoosesColour_data();
    void typeChoosesColour();
    void burstComesUpOneByOneAndStacksUpwards();
    void noticeFadesOutAndIsHidden();
    void oldNoticesAreDeletedOncePushedAboveTheTop();
    void noticeDequeuedWithoutParentIsDeleted();
    void noticesDeletedWithTheirParentAreNotDeletedAgain();
    void releaseDiscardsEverythingAndStopsShowing();
};

void NoticeTest::noticeSizeFollowsText()
{
    Notice empty;
    empty.setText(QString());
    QCOMPARE(empty.size(), QSize(70, 50));

    const QString text = "Saved Successfully";
    Notice notice(text);
    QFont font;
    font.setPixelSize(22);
    QCOMPARE(notice.width(), QFontMetrics(font).horizontalAdvance(text) + 70);
    QCOMPARE(notice.height(), 50);
    QCOMPARE(labelText(&notice), text);
}

void NoticeTest::typeChoosesColour_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("colour");
    QTest::newRow("success") << 0 << "rgb(71,210,121)";
    QTest::newRow("warning") << 1 << "rgb(255,177,69)";
    QTest::newRow("error") << 2 << "rgb(255,87,51)";
    QTest::newRow("unknown") << 7 << QString();
}

void NoticeTest::typeChoosesColour()
{
    QFETCH(int, type);
    QFETCH(QString, colour);
    Notice notice;
    notice.setType(type);
    if (colour.isEmpty())
        QVERIFY(notice.styleSheet().isEmpty());
    else
        QVERIFY(notice.styleSheet().contains("background-color: " + colour));
}

void NoticeTest::burstComesUpOneByOneAndStacksUpwards()
{
    Stage stage(QSize(1280, 800));
    QWidget &window = stage.window;
    ScrollNoticeContainer &container = stage.container;
    container.showNotice("first", 0);
    container.showNotice("second, a longer one", 1);
    container.showNotice("third", 2);

    QTRY_COMPARE_WITH_TIMEOUT(window.findChildren<Notice *>().size(), 3, kWait);
    // Each presentation moves the stack up by one step of 60 px from the centre (375).
    QTRY_COMPARE_WITH_TIMEOUT(stackOf(window).first()->y(), 315, kWait);
    const QList<Notice *> stack = stackOf(window);
    QCOMPARE(labelText(stack.at(0)), QString("third"));
    QCOMPARE(labelText(stack.at(1)), QString("second, a longer one"));
    QCOMPARE(labelText(stack.at(2)), QString("first"));
    QTRY_COMPARE_WITH_TIMEOUT(stack.at(1)->y(), 255, kWait);
    QTRY_COMPARE_WITH_TIMEOUT(stack.at(2)->y(), 195, kWait);
    for (Notice *notice : stack) {
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->x(), (1280 - notice->width()) / 2);
    }
}

void NoticeTest::noticeFadesOutAndIsHidden()
{
    Stage stage(QSize(400, 300));
    QWidget &window = stage.window;
    ScrollNoticeContainer &container = stage.container;
    container.showNotice("fading", 0);

    QTRY_COMPARE_WITH_TIMEOUT(window.findChildren<Notice *>().size(), 1, kWait);
    QPointer<Notice> notice = window.findChild<Notice *>();
    auto *effect = qobject_cast<QGraphicsOpacityEffect *>(notice->graphicsEffect());
    QVERIFY(effect);
    QCOMPARE(effect->opacity(), 0.99);
    QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), kWait);
    QCOMPARE(effect->opacity(), 0.0);
    // Hidden notices keep their place until later ones push them out.
    QVERIFY(notice);
}

void NoticeTest::oldNoticesAreDeletedOncePushedAboveTheTop()
{
    Stage stage(QSize(1280, 800));
    QWidget &window = stage.window;
    ScrollNoticeContainer &container = stage.container;
    container.showNotice("0", 0);
    QTRY_COMPARE_WITH_TIMEOUT(window.findChildren<Notice *>().size(), 1, kWait);
    QPointer<Notice> oldest = window.findChild<Notice *>();

    for (int i = 1; i <= 7; ++i)
        container.showNotice(QString::number(i), 0);
    QTRY_COMPARE_WITH_TIMEOUT(window.findChildren<Notice *>().size(), 8, kWait);
    QVERIFY(oldest);

    container.showNotice("8", 0);
    QTRY_VERIFY_WITH_TIMEOUT(oldest.isNull(), kWait);
    QCOMPARE(window.findChildren<Notice *>().size(), 8);
}

void NoticeTest::noticeDequeuedWithoutParentIsDeleted()
{
    ScrollNoticeContainer container;
    container.showNotice("nowhere to show", 2);
    QCOMPARE(queuedNotices(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(queuedNotices(), 0, kWait);
}

void NoticeTest::noticesDeletedWithTheirParentAreNotDeletedAgain()
{
    ScrollNoticeContainer container;
    auto *dialog = new QWidget;
    dialog->resize(600, 400);
    dialog->show();
    container.setParentWidget(dialog);
    container.showNotice("inside", 2);
    container.showNotice("also inside", 2);
    QTRY_COMPARE_WITH_TIMEOUT(dialog->findChildren<Notice *>().size(), 2, kWait);
    delete dialog;
    QVERIFY(!container.parentWidget());

    QWidget window;
    window.resize(600, 400);
    window.show();
    container.setParentWidget(&window);
    container.showNotice("after", 0);
    QTRY_COMPARE_WITH_TIMEOUT(window.findChildren<Notice *>().size(), 1, kWait);
}

void NoticeTest::releaseDiscardsEverythingAndStopsShowing()
{
    Stage stage(QSize(600, 400));
    QWidget &window = stage.window;
    ScrollNoticeContainer &container = stage.container;
    container.showNotice("shown", 0);
    QTRY_COMPARE_WITH_TIMEOUT(window.findChildren<Notice *>().size(), 1, kWait);
    container.showNotice("queued", 0);

    container.release();
    QVERIFY(window.findChildren<Notice *>().isEmpty());
    QCOMPARE(queuedNotices(), 0);
    container.showNotice("too late", 0);
    QCOMPARE(queuedNotices(), 0);
}

QTEST_MAIN(NoticeTest)
#include "NoticeTest.moc"
