#pragma once

#include "GlobalData.h"

#include <QWidget>

// Takes down the main window a test brought up through the start-up sequence.
// The notices' container outlives it, so it lets go of the window first.
inline void destroyStartedWindow()
{
    GlobalData *data = GlobalData::instance();
    data->noticeContainer.setParentWidget(nullptr);
    delete data->mainWidget;
    data->mainWidget = nullptr;
}
