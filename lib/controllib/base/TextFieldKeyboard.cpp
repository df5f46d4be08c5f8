#include "TextFieldKeyboard.h"

#include "LineEdit.h"
#include "UiUtilities.h"

#include <QApplication>
#include <QEvent>

TextFieldKeyboard::TextFieldKeyboard(QObject *parent)
    : QObject(parent)
{
}

void TextFieldKeyboard::install()
{
    if (qApp->findChild<TextFieldKeyboard *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    qApp->installEventFilter(new TextFieldKeyboard(qApp));
}

bool TextFieldKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    // A LineEdit starts the keyboard itself; a second start would be a second
    // show request for every tap.
    const auto *field = qobject_cast<const QLineEdit *>(watched);
    if (field && !qobject_cast<const LineEdit *>(field) && !field->isReadOnly())
        openTouchKeyboard();
    return false;
}
