#include "LabelAndCombobox.h"

#include "ComboBox.h"
#include "GlobalConfig.h"
#include "UiUtilities.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

enum ComboLook { FramedLook = 2, LightLook = 4 };

constexpr int kSettingComboWidth = 155;
constexpr int kLabelWidth = 120;
constexpr int kItemHeight = 45;
constexpr int kWideComboWidth = 240;
constexpr int kSmallestLabelFont = 12;
constexpr int kChoiceComboWidth = 220;
const char *const whiteLabel = "QLabel{ background-color: white; }";

}

LabelAndCombobox::LabelAndCombobox(QWidget *parent)
    : QWidget(parent)
{
    label = new QLabel;
    comboBox = new ComboBox;
    rowLayout = new QHBoxLayout(this);
    rowLayout->addWidget(label);
    rowLayout->addStretch();
    rowLayout->addWidget(comboBox);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->setSpacing(0);
    connect(comboBox, &ComboBox::indexChanged, this, &LabelAndCombobox::indexChanged);
}

void LabelAndCombobox::setItems(const QString &labelText, const QStringList &items)
{
    label->setText(labelText);
    comboBox->setItems(items);
    fitLabel();
}

void LabelAndCombobox::setCurrentIndex(int index)
{
    comboBox->setCurrentIndex(index);
}

int LabelAndCombobox::currentIndex() const
{
    return comboBox->currentIndex();
}

QString LabelAndCombobox::currentText() const
{
    return comboBox->currentText();
}

void LabelAndCombobox::setStyle(int type)
{
    styleText.clear();
    styleType = type;
    switch (type) {
    case SettingStyle:
        label->setStyleSheet(whiteLabel);
        comboBox->setStyle(FramedLook);
        comboBox->setItemHeight(height());
        comboBox->setFixedWidth(int(kSettingComboWidth * GlobalConfig::instance()->xScale));
        break;
    case WideStyle:
        label->setStyleSheet(whiteLabel);
        label->setFixedWidth(kLabelWidth);
        comboBox->setStyle(FramedLook);
        comboBox->setItemHeight(kItemHeight);
        comboBox->setFixedWidth(kWideComboWidth);
        break;
    case ChoiceStyle:
        comboBox->setFixedSize(kChoiceComboWidth, kItemHeight);
        comboBox->setStyle(LightLook);
        break;
    default:
        break;
    }
    setStyleSheet(styleText);
}

void LabelAndCombobox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitLabel();
}

void LabelAndCombobox::fitLabel()
{
    if (styleType != SettingStyle)
        return;
    // The label takes whatever the list leaves, whatever its text asks for.
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setHorizontalStretch(1);
    label->setSizePolicy(policy);
    label->setFont(fittingFont(font(), label->text(), width() - comboBox->width(), kSmallestLabelFont));
}
