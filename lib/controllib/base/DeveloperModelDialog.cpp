#include "DeveloperModelDialog.h"

#include "ComboBox.h"
#include "Language.h"
#include "TouchButton.h"
#include "UiUtilities.h"

#include <QVBoxLayout>

namespace {

enum ComboLook { SettingLook = 3 };

constexpr int kItemHeight = 45;
constexpr int kOuterSpacing = 20;
constexpr int kMargin = 35;
constexpr int kSpacing = 25;

}

DeveloperModelDialog::DeveloperModelDialog(QWidget *parent)
    : Dialog(parent, CardStyle)
{
    comboBox = new ComboBox;
    comboBox->setStyle(SettingLook);
    comboBox->setItemHeight(kItemHeight);
    comboBox->setItems(indentTextList({Language::instance()->text("middleNeedleVoltageCalibration")}, 1));
    comboBox->setCurrentIndex(MiddleNeedleVoltageCalibration);
    confirmButton = new TouchButton;
    cancelButton = new TouchButton;

    auto *layout = new QVBoxLayout;
    layout->addSpacing(kOuterSpacing);
    layout->addWidget(comboBox);
    layout->addSpacing(kOuterSpacing);
    layout->addLayout(buttonRow(confirmButton, cancelButton));
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);
    setContentLayout(layout);

    connect(confirmButton, &TouchButton::clicked, this, [this] {
        emit confirm(comboBox->currentIndex());
        close();
    });
    connect(cancelButton, &TouchButton::clicked, this, [this] {
        emit cancel();
        close();
    });
}

void DeveloperModelDialog::setButtonTexts(const QString &confirm, const QString &cancel)
{
    confirmButton->setText(confirm);
    cancelButton->setText(cancel);
}
