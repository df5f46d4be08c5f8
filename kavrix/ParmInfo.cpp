#include "Kavrix.h"
extern "C" void kavrixGetParmInfo(Info *) {}
