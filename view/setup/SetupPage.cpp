#include "SetupPage.h"

#include "ComboBox.h"
#include "DeveloperModelDialog.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "LabelAndLabel.h"
#include "Language.h"
#include "MeasurePage.h"
#include "NeedleCalibrationDialog.h"
#include "NetworkController.h"
#include "OpenDialog.h"
#include "SetupController.h"
#include "SetupModel.h"
#include "SwitchButton.h"

#include <QDateTime>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <QVBoxLayout>
#include <QVariant>

namespace {

enum ComboLook { SettingLook = 3 };

// The instrument starts its middle needle voltage calibration in this mode.
constexpr quint8 kNeedleCalibrationMode = 2;

constexpr int kComboItemHeight = 45;
constexpr int kComboWidth = 320;
constexpr int kSwitchWidth = 70;
constexpr int kSwitchHeight = 30;
constexpr int kSwitchSpacing = 15;
constexpr int kGroupSpacing = 10;
constexpr int kPanelMargin = 25;
constexpr int kPanelSpacing = 20;
constexpr int kAboutTitleSpacing = 20;
constexpr int kLeftStretch = 5;
constexpr int kAboutStretch = 6;
constexpr int kIndent = 2;
constexpr char kVersion[] = "1.0.0  ";
constexpr char kEquipmentModel[] = "TRX470+";

QString text(const char *key)
{
    return Language::instance()->text(key);
}

// A serial number comes from the instrument: it is shown, never interpreted.
void showPlainText(LabelAndLabel *row)
{
    for (QLabel *label : row->findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
}

}

SetupPage::SetupPage(QWidget *parent)
    : Widget(parent)
{
}

void SetupPage::setMeasurePage(MeasurePage *page)
{
    measurePage = page;
}

void SetupPage::setTapResetInterval(int ms)
{
    tapResetMs = ms;
    tapTimer->start(tapResetMs);
}

QString SetupPage::buildDateText(const QString &date, const QString &time)
{
    const QString stamp = QString(date + time).replace("  ", " 0");
    const QDateTime built = QLocale(QLocale::English).toDateTime(stamp, "MMM dd yyyyhh:mm:ss");
    return built.isValid() ? built.toString("yyyy.MM.dd") : QString();
}

void SetupPage::initData()
{
    tapTimer = new QTimer(this);
    tapTimer->start(tapResetMs);
    tapCount = 0;
}

void SetupPage::initUi()
{
    QFont font = GlobalData::instance()->font;
    font.setPixelSize(GlobalConfig::instance()->titleFontPixelSize);

    auto makeLabel = [&font] {
        auto *label = new QLabel;
        label->setFont(font);
        return label;
    };
    auto makeCombo = [&font] {
        auto *combo = new ComboBox;
        combo->setFont(font);
        combo->setStyle(SettingLook);
        combo->setItemHeight(kComboItemHeight);
        combo->setFixedWidth(kComboWidth);
        return combo;
    };
    languageLabel = makeLabel();
    languageComboBox = makeCombo();
    unitLabel = makeLabel();
    unitComboBox = makeCombo();
    autoSaveLabel = makeLabel();
    autoSaveSwitch = new SwitchButton;
    autoSaveSwitch->setFixedSize(kSwitchWidth, kSwitchHeight);
    autoSaveStateLabel = makeLabel();
    auto *switchRow = new QHBoxLayout;
    switchRow->addWidget(autoSaveSwitch);
    switchRow->addSpacing(kSwitchSpacing);
    switchRow->addWidget(autoSaveStateLabel);
    switchRow->setContentsMargins(0, 0, 0, 0);
    switchRow->setSpacing(0);

    leftWidget = new QWidget;
    auto *leftLayout = new QVBoxLayout(leftWidget);
    leftLayout->addWidget(languageLabel);
    leftLayout->addWidget(languageComboBox);
    leftLayout->addSpacing(kGroupSpacing);
    leftLayout->addWidget(unitLabel);
    leftLayout->addWidget(unitComboBox);
    leftLayout->addSpacing(kGroupSpacing);
    leftLayout->addWidget(autoSaveLabel);
    leftLayout->addLayout(switchRow);
    leftLayout->addStretch();
    leftLayout->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    leftLayout->setSpacing(kPanelSpacing);

    aboutTitleLabel = makeLabel();
    auto makeRow = [&font] {
        auto *row = new LabelAndLabel;
        row->setStyle(LabelAndLabel::RowStyle);
        row->setFont(font);
        return row;
    };
    softwareNameItem = makeRow();
    versionItem = makeRow();
    equipmentNameItem = makeRow();
    equipmentModelItem = makeRow();
    serialNumberItem = makeRow();
    showPlainText(serialNumberItem);
    softwareNameItem->hide();
    equipmentModelItem->hide();

    aboutWidget = new QWidget;
    auto *aboutLayout = new QVBoxLayout(aboutWidget);
    aboutLayout->addWidget(aboutTitleLabel);
    aboutLayout->addSpacing(kAboutTitleSpacing);
    for (LabelAndLabel *row : {softwareNameItem, versionItem, equipmentNameItem, equipmentModelItem, serialNumberItem})
        aboutLayout->addWidget(row);
    aboutLayout->addStretch();
    aboutLayout->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    aboutLayout->setSpacing(kPanelSpacing);

    separatorWidget = new QWidget;
    separatorWidget->setFixedWidth(1);

    containerWidget = new QWidget;
    auto *containerLayout = new QHBoxLayout(containerWidget);
    containerLayout->addWidget(leftWidget, kLeftStretch);
    containerLayout->addWidget(separatorWidget);
    containerLayout->addWidget(aboutWidget, kAboutStretch);
    containerLayout->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    containerLayout->setSpacing(0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(containerWidget);
    const int margin = GlobalConfig::instance()->margin;
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(0);
}

void SetupPage::initConnect()
{
    GlobalManager *manager = GlobalManager::instance();
    GlobalData *data = GlobalData::instance();
    connect(languageComboBox, SIGNAL(indexChanged(int)), this, SLOT(onComboBoxIndexChanged(int)));
    connect(Language::instance(), &Language::languageChanged, this, [this](int index) {
        languageComboBox->setCurrentIndex(index);
    });
    connect(unitComboBox, SIGNAL(indexChanged(int)), this, SLOT(onComboBoxIndexChanged(int)));
    connect(data, &GlobalData::unitChanged, this, [this](int unit) {
        unitComboBox->setCurrentIndex(unit);
    });
    connect(manager->setupModel, &SetupModel::isAutoSaveChanged, this, &SetupPage::updateAutoSave);
    connect(autoSaveSwitch, &SwitchButton::statusChanged, this, [](bool on) {
        GlobalManager::instance()->setupController->setIsAutoSave(on);
    });
    connect(manager->networkController, &NetworkController::serialNumberRecved, this,
            [this](const QString &serialNumber) {
                GlobalData::instance()->aboutInfo.equipmentSerialNumber = serialNumber;
                serialNumberItem->setValueText(serialNumber);
            });
    connect(equipmentNameItem, &CustomButton::clicked, this, &SetupPage::onEquipmentNameTapped);
    connect(tapTimer, &QTimer::timeout, this, [this] {
        tapCount = 0;
        tapTimer->start(tapResetMs);
    });
}

void SetupPage::initStyle()
{
    const QString border = GlobalConfig::instance()->borderColor;
    containerWidget->setProperty("SetupPage", "totalWidget");
    containerWidget->setStyleSheet(QString("QWidget[SetupPage=\"totalWidget\"] { border: 1px solid %1; "
                                           "background-color:white;}   QLabel{ background-color: white; }")
                                       .arg(border));
    const QString panel =
        QString(".QWidget{ border: 0px solid %1; background-color:white;}   QLabel{ background-color: white; }")
            .arg(border);
    leftWidget->setStyleSheet(panel);
    aboutWidget->setStyleSheet(panel);
    separatorWidget->setStyleSheet(QString(".QWidget{ background-color: %1; }").arg(border));
}

void SetupPage::retranslateUi()
{
    const GlobalData *data = GlobalData::instance();
    languageLabel->setText(text("language"));
    languageComboBox->setItems(indentTextList(SetupModel::languageList(), kIndent));
    languageComboBox->setCurrentIndex(Language::instance()->language);
    unitLabel->setText(text("unit"));
    unitComboBox->setItems(indentTextList(SetupModel::unitList(), kIndent));
    unitComboBox->setCurrentIndex(data->unit);
    autoSaveLabel->setText(text("autoSave"));
    updateAutoSave(GlobalManager::instance()->setupModel->isAutoSave());
    aboutTitleLabel->setText(text("about"));
    softwareNameItem->setText(text("softwareName"), text("masterControlSoftware"));
    versionItem->setText(text("softwareVersionNumber"), kVersion + buildDateText(__DATE__, __TIME__));
    equipmentNameItem->setText(text("equipmentName"), text("roughnessTester"));
    equipmentModelItem->setText(text("equipmentModel"), kEquipmentModel);
    serialNumberItem->setText(text("equipmentSerialNumber"), data->aboutInfo.equipmentSerialNumber);
}

void SetupPage::onComboBoxIndexChanged(int index)
{
    // A combo box that is cleared reports -1; only the two codes are settings.
    if (sender() == languageComboBox) {
        if (index == LanguageCode::Chinese || index == LanguageCode::English)
            GlobalManager::instance()->setupController->setLanguage(index);
    } else if (sender() == unitComboBox) {
        if (index == UnitCode::Metric || index == UnitCode::Imperial)
            GlobalManager::instance()->setupController->setUnit(index);
    }
}

void SetupPage::updateAutoSave(bool on)
{
    autoSaveSwitch->setChecked(on);
    autoSaveStateLabel->setText(text(on ? "open" : "close"));
}

void SetupPage::onEquipmentNameTapped()
{
    qDebug() << tapCount;
    if (tapCount < kTapsToOpen - 1) {
        tapTimer->start(tapResetMs);
        ++tapCount;
    } else if (tapCount == kTapsToOpen - 1) {
        // The count goes back to 0 as soon as control returns to the event loop.
        tapTimer->start(0);
        openDeveloperDialog();
    }
}

void SetupPage::openDeveloperDialog()
{
    openDialog<DeveloperModelDialog>(this, [this](DeveloperModelDialog *dialog) {
        connect(dialog, &DeveloperModelDialog::confirm, this, &SetupPage::onDeveloperConfirmed);
        dialog->setTitle(text("developerModel"));
        dialog->setButtonTexts(text("calibration"), text("cancel"));
    });
}

void SetupPage::onDeveloperConfirmed(int index)
{
    if (!measurePage || !measurePage->isCalibrationAllowed())
        return;
    if (index != DeveloperModelDialog::MiddleNeedleVoltageCalibration)
        return;
    GlobalManager::instance()->networkController->startCalibration(kNeedleCalibrationMode);
    openNeedleCalibrationDialog();
}

void SetupPage::openNeedleCalibrationDialog()
{
    openDialog<NeedleCalibrationDialog>(this, [](NeedleCalibrationDialog *dialog) {
        dialog->setTitle(text("middleNeedleVoltageCalibration"));
        dialog->setButtonTexts(text("confirm"), text("cancel"));
    });
}
