#include "SaveFileDialog.h"

#include "LabelAndLineEdit.h"
#include "TouchButton.h"

#include <QApplication>
#include <QVBoxLayout>

namespace {

constexpr int kRowPixelSize = 22;
constexpr int kMargin = 30;
constexpr int kRowSpacing = 20;
constexpr int kButtonSpacing = 30;

}

SaveFileDialog::SaveFileDialog(QWidget *parent)
    : Dialog(parent, CardStyle)
{
    QFont rowFont = QApplication::font();
    rowFont.setPixelSize(kRowPixelSize);
    fileNameRow = new LabelAndLineEdit(LabelAndLineEdit::InputRowStyle);
    fileNameRow->setFont(rowFont);
    measureTimeRow = new LabelAndLineEdit(LabelAndLineEdit::FieldRowStyle);
    measureTimeRow->setFont(rowFont);
    measureTimeRow->setEditEnabled(false);
    confirmButton = new TouchButton;
    cancelButton = new TouchButton;

    auto *layout = new QVBoxLayout;
    layout->addWidget(fileNameRow);
    layout->addSpacing(kRowSpacing);
    layout->addWidget(measureTimeRow);
    layout->addSpacing(kButtonSpacing);
    layout->addLayout(buttonRow(confirmButton, cancelButton));
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(0);
    setContentLayout(layout);

    connect(confirmButton, &TouchButton::clicked, this, [this] {
        emit confirm(fileNameRow->text(), measureTimeRow->text());
        close();
    });
    connect(cancelButton, &TouchButton::clicked, this, &QWidget::close);
}

void SaveFileDialog::setFileNameRow(const QString &label, const QString &text)
{
    fileNameRow->setText(label, text);
}

void SaveFileDialog::setMeasureTimeRow(const QString &label, const QString &text)
{
    measureTimeRow->setText(label, text);
}

void SaveFileDialog::setButtonTexts(const QString &confirm, const QString &cancel)
{
    confirmButton->setText(confirm);
    cancelButton->setText(cancel);
}
