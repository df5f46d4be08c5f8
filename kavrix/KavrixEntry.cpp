#include "Kavrix.h"
extern "C" void kavrix(ParaRecord *) {}
extern "C" void kavrixGetParmInfo(Info *) {}
extern "C" int kavrixGetLcOption(double) { return 1; }
extern "C" void algoPrintOutParmValue(ParaRecord *, Info *) {}
