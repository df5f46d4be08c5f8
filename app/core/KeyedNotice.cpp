#include "KeyedNotice.h"

#include "GlobalData.h"
#include "Language.h"

void showKeyedNotice(const char *key, NoticeType type)
{
    GlobalData::instance()->noticeContainer.showNotice(Language::instance()->text(key), type);
}
