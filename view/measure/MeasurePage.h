#ifndef MEASUREPAGE_H
#define MEASUREPAGE_H

#include "Widget.h"

class BottomWidget;
class TopWidget;

// Page 0 of the main window: the gauge and the curves above, the panels of
// parameters, recent files and measurement control below.
class MeasurePage : public Widget
{
    Q_OBJECT
public:
    explicit MeasurePage(QWidget *parent = nullptr);

    // The material-ratio curve is the one shown.
    bool isAbbottFirestoneMode() const { return abbottFirestoneMode; }
    // Asked before a developer calibration; shows the reason when not.
    bool isCalibrationAllowed();

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;

private:
    TopWidget *topWidget = nullptr;
    BottomWidget *bottomWidget = nullptr;
    bool abbottFirestoneMode = false;
};

#endif
