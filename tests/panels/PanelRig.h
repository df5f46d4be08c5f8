#pragma once

#include "NoticeRecorder.h"
#include "TestWorkspace.h"

#include "CalculateController.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "LabelAndCombobox.h"
#include "Language.h"
#include "NetworkController.h"
#include "TouchButton.h"
#include "UiUtilities.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

// What the panel tests share: a working directory of their own with an empty
// file index, the program's styles and font, and the link's state signals
// given by hand, as the unit would make the controller emit them.
class PanelRig
{
public:
    bool setUp()
    {
        if (!workspace.setUp())
            return false;
        GlobalConfig *config = GlobalConfig::instance();
        config->initStyle();
        config->xScale = 1.0;
        config->yScale = 1.0;
        GlobalData *data = GlobalData::instance();
        loadApplicationFont(data->font, applicationFontPath, config->fontPixelSize);
        GlobalManager::instance()->calculateController->updateParameterNameList();
        return true;
    }

    void tearDown()
    {
        workspace.tearDown();
        GlobalData::instance()->noticeContainer.release();
    }

    static NetworkController *link() { return GlobalManager::instance()->networkController; }

    struct Flags {
        bool network = false;
        bool motor = false;
        bool moving = false;
        bool measuring = false;
        bool fetching = false;
        bool calibrating = false;
        bool speedCalibrated = false;
    };

    static void emitFlags(const Flags &flags)
    {
        NetworkController *unit = link();
        emit unit->networkConnectStatusChanged(flags.network);
        emit unit->moterConnectStatusChanged(flags.motor);
        emit unit->moterMoveStatusChanged(flags.moving);
        emit unit->moterMeasureStatusChanged(flags.measuring);
        emit unit->recvMeasureResultStatusChanged(flags.fetching);
        emit unit->calibrationStatusChanged(flags.calibrating);
        emit unit->currentCalibrationStatusChanged(flags.speedCalibrated);
    }

    // Linked, answering, speed calibrated and at rest.
    static void emitIdle()
    {
        Flags idle;
        idle.network = idle.motor = idle.speedCalibrated = true;
        emitFlags(idle);
        emit link()->speedIsCalibrationStatusRecved(true);
    }

    // A small profile shown as if measured, so there is something to save.
    static void showProfile()
    {
        GlobalData *data = GlobalData::instance();
        QList<double> samples;
        for (int i = 0; i < 4000; ++i)
            samples << 400.0 * ((i / 20) % 2 ? 1 : -1) + (i % 7);
        data->calcutateResult.measureDataList = samples;
        emit data->measureDataListChanged();
    }

    static QString text(const char *key) { return Language::instance()->text(key); }

    static LabelAndCombobox *combo(QWidget *panel, const char *labelKey)
    {
        for (LabelAndCombobox *box : panel->findChildren<LabelAndCombobox *>()) {
            if (box->findChild<QLabel *>()->text() == text(labelKey))
                return box;
        }
        return nullptr;
    }

    // The four buttons as they stand left to right: save, calibration, stop, start.
    static TouchButton *button(QWidget *panel, int index)
    {
        return panel->findChildren<TouchButton *>(QString(), Qt::FindChildrenRecursively).at(index);
    }

    TestWorkspace workspace;
};

enum PanelButton { SaveButton = 0, CalibrationButton = 1, StopButton = 2, StartButton = 3 };

// The confirm and cancel buttons of a dialog, in that order.
inline TouchButton *dialogButton(QWidget *dialog, int index)
{
    return dialog->findChildren<TouchButton *>().at(index);
}

inline QLineEdit *dialogEdit(QWidget *dialog)
{
    return dialog->findChildren<QLineEdit *>().at(0);
}
