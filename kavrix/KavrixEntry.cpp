#include "Kavrix.h"
extern "C" void kavrix(ParaRecord *) {}
