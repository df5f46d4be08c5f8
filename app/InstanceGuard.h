#ifndef INSTANCEGUARD_H
#define INSTANCEGUARD_H

// Keeps a second instance of the program from running: the first one holds a
// shared-memory segment named "SingleApp" until its process ends.
class InstanceGuard
{
public:
    // True when this process now holds the segment; false when another
    // running instance holds it or the segment cannot be made.
    static bool acquire();
};

#endif
