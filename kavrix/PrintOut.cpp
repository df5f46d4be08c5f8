#include "Kavrix.h"
extern "C" void algoPrintOutParmValue(ParaRecord *, Info *) {}
