#ifndef BOTTOMWIDGET_H
#define BOTTOMWIDGET_H

#include "Widget.h"

class FileListWidget;
class ParameterListWidget;
class SetupWidget;

// The lower part of the measure page: parameter list, recent files and the
// measurement control panel, side by side.
class BottomWidget : public Widget
{
    Q_OBJECT
public:
    static constexpr int kHeight = 380;
    static constexpr int kParameterListWidth = 270;
    static constexpr int kFileListWidth = 260;

    explicit BottomWidget(QWidget *parent = nullptr);

    void setAbbottFirestoneMode(bool on);
    bool isCalibrationAllowed();

signals:
    void convertToMeasureMode();

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;

private:
    ParameterListWidget *parameterListWidget = nullptr;
    FileListWidget *fileListWidget = nullptr;
    SetupWidget *setupWidget = nullptr;
};

#endif
