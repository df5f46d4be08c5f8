#ifndef SETUPPAGE_H
#define SETUPPAGE_H

#include "Widget.h"

#include <QString>

class ComboBox;
class LabelAndLabel;
class MeasurePage;
class QLabel;
class QTimer;
class SwitchButton;

// Language, unit and automatic saving on the left, the About panel on the
// right. Five quick taps on the equipment name open the developer functions.
class SetupPage : public Widget
{
    Q_OBJECT
public:
    static constexpr int kTapResetMs = 5000;
    static constexpr int kTapsToOpen = 5;

    explicit SetupPage(QWidget *parent = nullptr);

    void setMeasurePage(MeasurePage *page);
    // Taps further apart than this start the count again.
    void setTapResetInterval(int ms);
    int tapCountSoFar() const { return tapCount; }

    // The build's date ("Mar  8 2025") and time ("16:25:20") as "2025.03.08";
    // empty when they do not read as a date.
    static QString buildDateText(const QString &date, const QString &time);

public slots:
    void onComboBoxIndexChanged(int index);

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;

private:
    void updateAutoSave(bool on);
    void onEquipmentNameTapped();
    void openDeveloperDialog();
    void onDeveloperConfirmed(int index);
    void openNeedleCalibrationDialog();

    MeasurePage *measurePage = nullptr;
    int tapCount = 0;
    QTimer *tapTimer = nullptr;
    int tapResetMs = kTapResetMs;
    QWidget *containerWidget = nullptr;
    QWidget *leftWidget = nullptr;
    QLabel *languageLabel = nullptr;
    ComboBox *languageComboBox = nullptr;
    QLabel *unitLabel = nullptr;
    ComboBox *unitComboBox = nullptr;
    QLabel *autoSaveLabel = nullptr;
    SwitchButton *autoSaveSwitch = nullptr;
    QLabel *autoSaveStateLabel = nullptr;
    QWidget *separatorWidget = nullptr;
    QWidget *aboutWidget = nullptr;
    QLabel *aboutTitleLabel = nullptr;
    LabelAndLabel *softwareNameItem = nullptr;
    LabelAndLabel *versionItem = nullptr;
    LabelAndLabel *equipmentNameItem = nullptr;
    LabelAndLabel *equipmentModelItem = nullptr;
    LabelAndLabel *serialNumberItem = nullptr;
};

#endif
