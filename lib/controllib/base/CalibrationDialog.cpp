#include "CalibrationDialog.h"

#include "LabelAndLineEdit.h"
#include "Language.h"
#include "LineEdit.h"
#include "TouchButton.h"

#include <QVBoxLayout>

namespace {

enum : NoticeType { ErrorNotice = 2 };

constexpr int kLabelWidth = 120;
constexpr int kMargin = 35;
constexpr int kSpacing = 25;

}

CalibrationDialog::CalibrationDialog(QWidget *parent)
    : Dialog(parent, CardStyle)
{
    valueRow = new LabelAndLineEdit(LabelAndLineEdit::InputRowStyle);
    valueRow->setValidatorType(LineEdit::Decimal);
    valueRow->setLabelWidth(kLabelWidth);
    valueRow->setPlaceholderText("[0~100]");
    noticeContainer.setParentWidget(this);
    confirmButton = new TouchButton;
    cancelButton = new TouchButton;

    auto *layout = new QVBoxLayout;
    layout->addWidget(valueRow);
    layout->addLayout(buttonRow(confirmButton, cancelButton));
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);
    setContentLayout(layout);

    connect(confirmButton, &TouchButton::clicked, this, &CalibrationDialog::onConfirmClicked);
    connect(cancelButton, &TouchButton::clicked, this, [this] {
        emit cancel();
        close();
    });
}

void CalibrationDialog::setText(const QString &label, const QString &value)
{
    valueRow->setText(label, value);
}

void CalibrationDialog::setButtonTexts(const QString &confirm, const QString &cancel)
{
    confirmButton->setText(confirm);
    cancelButton->setText(cancel);
}

void CalibrationDialog::onConfirmClicked()
{
    // A reference of 0, or a text that is no number, would run a whole
    // traverse that can only end in a failed calibration.
    bool isNumber = false;
    const double value = valueRow->text().toDouble(&isNumber);
    if (isNumber && value > 0.0 && value <= kMaximumRa) {
        emit confirm(value);
        close();
        return;
    }
    noticeContainer.showNotice(Language::instance()->text("RaValueOutOfLimit"), ErrorNotice);
}
