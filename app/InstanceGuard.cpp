#include "InstanceGuard.h"

#include <QSharedMemory>

namespace {

constexpr char kInstanceKey[] = "SingleApp";

// On Linux the segment is System V memory: it outlives the process that made
// it, whether that process ended normally or was killed. Attaching to a
// leftover and detaching again removes it, unless a running instance still
// holds it.
void releaseLeftoverSegment()
{
    QSharedMemory leftover(kInstanceKey);
    if (leftover.attach())
        leftover.detach();
}

}

bool InstanceGuard::acquire()
{
    releaseLeftoverSegment();
    // Held until the process ends; never deleted.
    static QSharedMemory *segment = new QSharedMemory(kInstanceKey);
    return segment->create(1, QSharedMemory::ReadWrite);
}
