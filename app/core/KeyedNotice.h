#ifndef KEYEDNOTICE_H
#define KEYEDNOTICE_H

#include "Notice.h"

// Queues the notice whose text is the dictionary entry of key, in the current
// language, on the program's one notice container.
void showKeyedNotice(const char *key, NoticeType type);

#endif
