#pragma once

#include <QtGlobal>

// A point in the unit's own traffic: the n-th frame of one function type
// that the unit sends. A count of 0 names no point.
struct FrameEvent {
    quint8 functionType = 0;
    int count = 0;
};

// Faults the simulated line puts on the unit's frames. A count of n means
// every n-th frame; 0 switches the fault off.
struct LineFaults {
    int delayMs = 0;
    int loseEvery = 0;
    int badCrcEvery = 0;
    int garbageEvery = 0;
    bool split = false;
    bool glue = false;
    bool silent = false;
    // The counted faults (loss, wrong CRC, garbage) hit only profile
    // packages, which the host asks for again; the one-off reports of a run
    // then always arrive.
    bool packagesOnly = false;
    // Faults tied to the protocol rather than the clock, so they strike at
    // the same step of a run however loaded the machine is: this one frame
    // never arrives, or arrives with a wrong CRC; the line falls silent, or
    // the unit vanishes, once this frame is out.
    FrameEvent drop;
    FrameEvent damage;
    FrameEvent silentAfter;
    FrameEvent vanishAfter;
};
