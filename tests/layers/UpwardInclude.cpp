// Links only the core, yet includes a header of the link above it: this must
// not compile, since each layer sees its own headers and those below.
#include "NetworkController.h"
