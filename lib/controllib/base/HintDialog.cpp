#include "HintDialog.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kMargin = 35;
constexpr int kSpacing = 25;

}

HintDialog::HintDialog(QWidget *parent)
    : Dialog(parent, CardStyle)
{
    messageLabel = new QLabel;
    messageLabel->setWordWrap(true);
    auto *layout = new QVBoxLayout;
    layout->addWidget(messageLabel);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);
    setContentLayout(layout);
}

void HintDialog::setText(const QString &text)
{
    messageLabel->setText(text);
}
