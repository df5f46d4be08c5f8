#pragma once

#include "ProcessTree.h"

#include "GlobalData.h"
#include "MainWidget.h"
#include "StartupManager.h"

#include <QCoreApplication>
#include <QTest>

// The program's main window brought up in the test through the start-up
// sequence and shown on the X server, drawn without an OpenGL driver; null
// when it is not.
inline MainWidget *startProgramWindow()
{
    StartupManager startup;
    startup.start();
    auto *window = qobject_cast<MainWidget *>(GlobalData::instance()->mainWidget);
    if (!window || !QTest::qWaitForWindowExposed(window) ||
        !ProcessTree::runsWithoutOpenGlDriver(QCoreApplication::applicationPid()))
        return nullptr;
    return window;
}
