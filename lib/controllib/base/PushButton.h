#ifndef PUSHBUTTON_H
#define PUSHBUTTON_H

#include <QPushButton>
#include <QString>

// A push button with numbered looks. It deliberately has no meta-object of its
// own: its presets select it with ".QPushButton", which only matches while its
// class name stays QPushButton.
class PushButton : public QPushButton
{
public:
    explicit PushButton(QWidget *parent = nullptr);

    void setStyle(int type);

private:
    QString styleText;
};

#endif
