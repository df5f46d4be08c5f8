#include "InstanceGuard.h"

// Takes the instance segment and ends normally, leaving the segment behind as
// an instance of the program does when its window closes.
int main()
{
    return InstanceGuard::acquire() ? 0 : 1;
}
