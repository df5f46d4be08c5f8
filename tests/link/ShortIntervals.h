#pragma once

#include "NetworkController.h"

// The controller's periods cut down so a test sees a link found, lost and
// found again within a few seconds.
inline NetworkController::Intervals shortIntervals()
{
    NetworkController::Intervals intervals;
    // Longer than the send pacing, so a candidate gets its heartbeat out
    // before the next probe replaces it.
    intervals.probeMs = 300;
    intervals.heartBeatMs = 400;
    intervals.packageTimeoutMs = 300;
    intervals.needlePollMs = 1000;
    intervals.factorAcknowledgeMs = 800;
    // Well above the units' pauses between live samples and before the
    // first of them.
    intervals.traverseSilenceMs = 1000;
    // Well above the units' returns, so only a lost end of return runs it out.
    intervals.returnWaitMs = 1500;
    return intervals;
}

// For a unit that runs as a separate program beside the test. Its process can
// be held up for a second on a loaded machine, so the periods that declare a
// unit gone, or a report lost, allow several seconds of silence; they are still
// short enough for a test to see a loss well within its limits.
inline NetworkController::Intervals processIntervals()
{
    NetworkController::Intervals intervals = shortIntervals();
    intervals.heartBeatMs = 1000;
    intervals.packageTimeoutMs = 1500;
    intervals.factorAcknowledgeMs = 3000;
    intervals.traverseSilenceMs = 4000;
    intervals.returnWaitMs = 3000;
    return intervals;
}
