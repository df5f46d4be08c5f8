#pragma once

// Faults the simulated line puts on the unit's frames. A count of n means
// every n-th frame; 0 switches the fault off.
struct LineFaults
{
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
};
