#include "InstanceGuard.h"
#include "StartupManager.h"

#include <QApplication>

namespace {

constexpr int kAnotherInstance = -1;

}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (!InstanceGuard::acquire()) {
        app.quit();
        return kAnotherInstance;
    }
    StartupManager startup;
    startup.start();
    return app.exec();
}
