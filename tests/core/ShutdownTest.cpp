#include "CalculateModel.h"
#include "GlobalData.h"
#include "GlobalManager.h"

#include <QApplication>
#include <QtTest>

#include <cstdio>

namespace {
// Like the main window, never deleted.
QWidget *window = nullptr;
}

class ShutdownTest : public QObject
{
    Q_OBJECT
private slots:
    void leavesNoticesShownAndQueued();
};

void ShutdownTest::leavesNoticesShownAndQueued()
{
    GlobalManager::instance();
    window = new QWidget;
    window->resize(1280, 800);
    window->show();
    ScrollNoticeContainer &container = GlobalData::instance()->noticeContainer;
    container.setParentWidget(window);
    container.showNotice("shown", 0);
    QTRY_VERIFY_WITH_TIMEOUT(window->findChild<Notice *>(), 5000);
    container.showNotice("still queued", 1);
}

// The singletons outlive the application object; what needs it must be gone
// before it is, and a clean exit follows.
int main(int argc, char **argv)
{
    int status = 0;
    {
        QApplication app(argc, argv);
        ShutdownTest test;
        status = QTest::qExec(&test, argc, argv);
    }
    if (window->findChild<Notice *>()) {
        std::fprintf(stderr, "notices outlived the application\n");
        return 1;
    }
    if (GlobalManager::instance()->calculateModel || !GlobalManager::instance()->children().isEmpty()) {
        std::fprintf(stderr, "the object graph outlived the application\n");
        return 1;
    }
    return status;
}

#include "ShutdownTest.moc"
