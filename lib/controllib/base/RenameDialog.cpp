#include "RenameDialog.h"

#include "LineEdit.h"
#include "TouchButton.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

enum EditLook { WhiteLook = 3 };

constexpr int kEditHeight = 50;
constexpr int kMargin = 35;
constexpr int kSpacing = 25;

}

RenameDialog::RenameDialog(QWidget *parent)
    : Dialog(parent, CardStyle)
{
    promptLabel = new QLabel;
    lineEdit = new LineEdit;
    lineEdit->setStyle(WhiteLook);
    lineEdit->setFixedHeight(kEditHeight);
    confirmButton = new TouchButton;
    cancelButton = new TouchButton;

    auto *layout = new QVBoxLayout;
    layout->addWidget(promptLabel);
    layout->addWidget(lineEdit);
    layout->addLayout(buttonRow(confirmButton, cancelButton));
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);
    setContentLayout(layout);

    connect(confirmButton, &TouchButton::clicked, this, [this] {
        emit confirm(lineEdit->text());
        close();
    });
    connect(cancelButton, &TouchButton::clicked, this, [this] {
        emit cancel();
        close();
    });
}

void RenameDialog::setLabelText(const QString &text)
{
    promptLabel->setText(text);
}

void RenameDialog::setText(const QString &text)
{
    lineEdit->setText(text);
    lineEdit->selectAll();
}

void RenameDialog::setValidatorType(int type)
{
    lineEdit->setValidatorType(type);
}

void RenameDialog::setButtonTexts(const QString &confirm, const QString &cancel)
{
    confirmButton->setText(confirm);
    cancelButton->setText(cancel);
}
