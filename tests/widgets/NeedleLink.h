#pragma once

#include "DebugLines.h"
#include "GlobalManager.h"
#include "NeedleCalibrationDialog.h"
#include "NetworkController.h"
#include "Notice.h"
#include "OpenDialog.h"
#include "TouchButton.h"

#include <QLabel>
#include <QTimer>

// What the needle-calibration tests share: the link's periods, opening the
// dialog as the set-up page does, and reading the dialog's state.
namespace NeedleLink {

inline NetworkController::Intervals shortIntervals()
{
    NetworkController::Intervals intervals;
    intervals.probeMs = 300;
    intervals.heartBeatMs = 400;
    intervals.needlePollMs = 100;
    return intervals;
}

inline NeedleCalibrationDialog *open(QWidget *page)
{
    return openDialog<NeedleCalibrationDialog>(page, [](NeedleCalibrationDialog *dialog) {
        dialog->setTitle("Middle Needle Voltage Calibration");
        dialog->setButtonTexts("Confirm", "Cancel");
    });
}

inline TouchButton *button(QWidget *dialog, int index)
{
    return dialog->findChildren<TouchButton *>().at(index);
}

inline QString voltageText(QWidget *dialog)
{
    for (const QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->text().endsWith('V'))
            return label->text();
    }
    return {};
}

inline QTimer *ownPoll(QWidget *dialog)
{
    return dialog->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
}

inline QStringList noticeTexts(QWidget *widget)
{
    QStringList texts;
    for (const Notice *notice : widget->findChildren<Notice *>(QString(), Qt::FindDirectChildrenOnly))
        texts << notice->findChild<QLabel *>()->text();
    return texts;
}

// Whether the dialogs last switched the link's own needle poll on.
inline bool linkPollSwitchedOn()
{
    for (auto line = DebugLines::lines().crbegin(); line != DebugLines::lines().crend(); ++line) {
        if (line->startsWith("getNeedlePositionTimer: "))
            return line->endsWith("true");
    }
    return false;
}

}
