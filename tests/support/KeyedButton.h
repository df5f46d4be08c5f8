#pragma once

#include "Language.h"
#include "TouchButton.h"

#include <QWidget>

// The button within parent that shows the text of key in the language in
// use; nullptr where there is none.
inline TouchButton *keyedButton(const QWidget *parent, const char *key)
{
    const QString text = Language::instance()->text(key);
    for (TouchButton *button : parent->findChildren<TouchButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}
