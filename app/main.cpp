#include "ExitSignals.h"
#include "GlobalData.h"
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
    // Handled from before the start, so that a signal during it waits for
    // the main window instead of ending the program unsaved.
    ExitSignals exitSignals;
    StartupManager startup;
    startup.start();
    exitSignals.closeOnSignal(GlobalData::instance()->mainWidget);
    return app.exec();
}
