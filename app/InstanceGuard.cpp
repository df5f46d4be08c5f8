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
    if (segment->create(1, QSharedMemory::ReadWrite))
        return true;
    // The segment's key comes from the inode of a key file in the temporary
    // folder. When that file was gone (a cleaned temporary folder), the
    // release above could not find a leftover, yet a new key file on a reused
    // inode names it again: the failed create has made the file, so a leftover
    // can be found and released now. One held by a running instance stays.
    if (segment->error() != QSharedMemory::AlreadyExists)
        return false;
    releaseLeftoverSegment();
    return segment->create(1, QSharedMemory::ReadWrite);
}
