#ifndef MAINWIDGET_H
#define MAINWIDGET_H

#include "Widget.h"

#include <QList>
#include <QStringList>

class DataManagementPage;
class MainTitleBar;
class MeasurePage;
class PushButton;
class QStackedWidget;
class SetupPage;
class shareFileView;

// The program's one frameless window: title bar, the navigation column and
// the page stack. It follows the instrument's state so that the data pages
// stay closed while a run, a fetch or a calibration is under way, and turns
// four reports of the instrument into notices.
class MainWidget : public Widget
{
    Q_OBJECT
public:
    explicit MainWidget(QWidget *parent = nullptr);
    ~MainWidget() override;

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;

    // Every way of closing the window writes the configuration first; a
    // failed write keeps the window open once, with a notice.
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void buildNavigation();
    void buildPages();
    void onNavigationClicked(int index);
    void onCurrentPageChanged(int index);
    void onExitRequested();
    void onWindowPositionChanged(const QPoint &point);
    void applyNavigationLock();

    MainTitleBar *titleBar = nullptr;
    QWidget *navigationBar = nullptr;
    QList<PushButton *> navigationButtons;
    QStringList normalIconPaths;
    QStringList checkedIconPaths;
    QStackedWidget *pageStack = nullptr;
    MeasurePage *measurePage = nullptr;
    DataManagementPage *dataManagementPage = nullptr;
    shareFileView *instrumentRecordPage = nullptr;
    SetupPage *setupPage = nullptr;
    bool networkConnectStatus = false;
    bool moterConnectStatus = false;
    bool snMatchStatus = false;
    bool moterMoveStatus = false;
    bool moterMeasureStatus = false;
    bool recvMeasureResultStatus = false;
    bool calibrationStatus = false;
    // The operator was told that the configuration could not be written; the
    // next close goes through without it.
    bool saveFailureShown = false;
};

#endif
