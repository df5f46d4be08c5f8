#include "AlertDialog.h"

#include "TouchButton.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kMargin = 35;
constexpr int kSpacing = 25;

}

AlertDialog::AlertDialog(QWidget *parent)
    : Dialog(parent, CardStyle)
{
    messageLabel = new QLabel;
    messageLabel->setWordWrap(true);
    confirmButton = new TouchButton;
    cancelButton = new TouchButton;

    auto *layout = new QVBoxLayout;
    layout->addWidget(messageLabel);
    layout->addLayout(buttonRow(confirmButton, cancelButton));
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);
    setContentLayout(layout);

    connect(confirmButton, &TouchButton::clicked, this, [this] {
        emit confirm();
        close();
    });
    connect(cancelButton, &TouchButton::clicked, this, [this] {
        emit cancel();
        close();
    });
}

void AlertDialog::setText(const QString &text)
{
    messageLabel->setText(text);
}

void AlertDialog::setButtonTexts(const QString &confirm, const QString &cancel)
{
    confirmButton->setText(confirm);
    cancelButton->setText(cancel);
}
