#ifndef TEXTFIELDKEYBOARD_H
#define TEXTFIELDKEYBOARD_H

#include <QObject>

// Brings up the touch keyboard on a press in any text field of the program,
// as LineEdit does for its own presses: the panel has no other keyboard, and
// the fields of Qt's own dialogs (the name of a file to save) would otherwise
// take no typing at all.
class TextFieldKeyboard : public QObject
{
    Q_OBJECT
public:
    // Watches every widget of the application from now on; once is enough.
    static void install();

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TextFieldKeyboard(QObject *parent);
};

#endif
