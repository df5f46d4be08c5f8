#include "MainWidget.h"

#include "AlertDialog.h"
#include "Codes.h"
#include "DataManagementPage.h"
#include "FileController.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "KeyedNotice.h"
#include "Language.h"
#include "MainTitleBar.h"
#include "MeasurePage.h"
#include "NetworkController.h"
#include "OpenDialog.h"
#include "PushButton.h"
#include "SetupPage.h"
#include "shareFileView.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QMoveEvent>
#include <QPixmap>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// FramelessWindowHint | WindowMinimizeButtonHint | WindowMaximizeButtonHint |
// WindowShadeButtonHint: a top-level window without a system frame.
constexpr Qt::WindowFlags windowFlagsOfMain(0x2c800);
constexpr int kPageCount = 4;

}

MainWidget::MainWidget(QWidget *parent)
    : Widget(parent)
{
}

MainWidget::~MainWidget()
{
    qDebug() << "析构了";
}

void MainWidget::initData()
{
}

void MainWidget::initUi()
{
    setWindowIcon(QIcon(":/resources/image/title.png"));
    setWindowFlags(windowFlagsOfMain);
    resize(1280, 800);
    GlobalConfig *config = GlobalConfig::instance();
    config->xScale = width() / 1280.0;
    config->yScale = height() / 800.0;

    titleBar = new MainTitleBar;
    titleBar->setFixedHeight(int(config->titleBarHeight * config->yScale));
    titleBar->init();

    buildNavigation();
    pageStack = new QStackedWidget;
    buildPages();

    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(navigationBar);
    body->addWidget(pageStack);
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(titleBar);
    layout->addLayout(body);
    setLayout(layout);
}

void MainWidget::buildNavigation()
{
    normalIconPaths =
        QStringList{":/resources/image/navigation/measure_gray.png", ":/resources/image/navigation/save_gray.png",
                    ":/resources/image/navigation/shareStore", ":/resources/image/navigation/setup_gray.png"};
    checkedIconPaths =
        QStringList{":/resources/image/navigation/measure_purple.png", ":/resources/image/navigation/save_purple.png",
                    ":/resources/image/navigation/shareStore", ":/resources/image/navigation/setup_purple.png"};
    const double yScale = GlobalConfig::instance()->yScale;
    auto *layout = new QVBoxLayout;
    for (int i = 0; i < kPageCount; ++i) {
        auto *button = new PushButton;
        button->setFixedSize(int(90 * yScale), int(80 * yScale));
        button->setIcon(QIcon(QPixmap::fromImage(QImage(normalIconPaths.at(i)))));
        button->setIconSize(QSize(int(50 * yScale), int(50 * yScale)));
        button->setStyle(1);
        button->setCheckable(true);
        layout->addWidget(button);
        navigationButtons.append(button);
    }
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    navigationBar = new QWidget;
    navigationBar->setLayout(layout);
    navigationBar->setFixedWidth(int(90 * yScale));
}

void MainWidget::buildPages()
{
    measurePage = new MeasurePage;
    dataManagementPage = new DataManagementPage;
    instrumentRecordPage = new shareFileView;
    setupPage = new SetupPage;
    // Every page is whole before any of them is shown or linked.
    measurePage->init();
    dataManagementPage->init();
    instrumentRecordPage->init();
    setupPage->init();
    setupPage->setMeasurePage(measurePage);
    // Stack positions are the page numbers of GlobalData::currentPage.
    pageStack->insertWidget(PageIndex::Measure, measurePage);
    pageStack->insertWidget(PageIndex::DataManagement, dataManagementPage);
    pageStack->insertWidget(PageIndex::InstrumentRecords, instrumentRecordPage);
    pageStack->insertWidget(PageIndex::Setup, setupPage);
    pageStack->setCurrentIndex(GlobalData::instance()->currentPage);
}

void MainWidget::initConnect()
{
    connect(titleBar, &MainTitleBar::windowPositionChanged, this, &MainWidget::onWindowPositionChanged);
    connect(titleBar, &MainTitleBar::closeButtonClicked, this, &MainWidget::onExitRequested);
    for (int i = 0; i < navigationButtons.size(); ++i) {
        connect(
            navigationButtons.at(i), &QAbstractButton::clicked, this,
            [this, i] {
                onNavigationClicked(i);
            },
            Qt::DirectConnection);
    }
    navigationButtons.at(PageIndex::Measure)->setChecked(true);
    navigationButtons.at(PageIndex::Measure)->setIcon(QIcon(checkedIconPaths.at(PageIndex::Measure)));
    connect(GlobalData::instance(), &GlobalData::currentPageChanged, this, &MainWidget::onCurrentPageChanged);

    NetworkController *link = GlobalManager::instance()->networkController;
    connect(link, &NetworkController::calibrationSpeedCompleteRecved, this, [] {
        showKeyedNotice("speedCalibrationCompleted", NoticeCode::Success);
    });
    connect(link, &NetworkController::currentCalibrationStatusChanged, this, [](bool calibrated) {
        if (!calibrated)
            showKeyedNotice("equipmentNotCalibrated", NoticeCode::Error);
    });
    const QList<QPair<void (NetworkController::*)(bool), bool *>> flags{
        {&NetworkController::networkConnectStatusChanged, &networkConnectStatus},
        {&NetworkController::moterConnectStatusChanged, &moterConnectStatus},
        {&NetworkController::snMatchStatusChanged, &snMatchStatus},
        {&NetworkController::moterMoveStatusChanged, &moterMoveStatus},
        {&NetworkController::moterMeasureStatusChanged, &moterMeasureStatus},
        {&NetworkController::recvMeasureResultStatusChanged, &recvMeasureResultStatus},
        {&NetworkController::calibrationStatusChanged, &calibrationStatus},
    };
    for (const auto &flag : flags) {
        bool *copy = flag.second;
        connect(link, flag.first, this, [this, copy](bool status) {
            *copy = status;
            applyNavigationLock();
        });
    }
    connect(link, &NetworkController::motorSpeedError, this, [] {
        showKeyedNotice("motorSpeedError", NoticeCode::Error);
    });
    connect(link, &NetworkController::stopMeasurement, this, [] {
        showKeyedNotice("measurementStoped", NoticeCode::Error);
    });
}

void MainWidget::initStyle()
{
    navigationBar->setStyleSheet(".QWidget{ border-right:1px solid #CCCCCC; background-color: #F0F0F0; }");
    const QString background = "rgb(242,242,242)";
    measurePage->setStyleSheet(QString("MeasurePage { background-color: %1; }").arg(background));
    dataManagementPage->setStyleSheet(QString("DataManagementPage { background-color: %1; }").arg(background));
    instrumentRecordPage->setStyleSheet(QString("shareFileView { background-color: %1; }").arg(background));
    setupPage->setStyleSheet(QString("SetupPage { background-color: %1; }").arg(background));
}

void MainWidget::retranslateUi()
{
}

void MainWidget::applyNavigationLock()
{
    const bool busy = moterMeasureStatus || recvMeasureResultStatus || calibrationStatus;
    navigationButtons.at(PageIndex::DataManagement)->setEnabled(!busy);
    navigationButtons.at(PageIndex::InstrumentRecords)->setEnabled(!busy);
}

void MainWidget::onNavigationClicked(int index)
{
    for (int j = 0; j < navigationButtons.size(); ++j) {
        if (j == index)
            continue;
        navigationButtons.at(j)->setChecked(false);
        navigationButtons.at(j)->setIcon(QIcon(normalIconPaths.at(j)));
    }
    navigationButtons.at(index)->setChecked(true);
    navigationButtons.at(index)->setIcon(QIcon(checkedIconPaths.at(index)));
    pageStack->setCurrentIndex(index);
    GlobalData::instance()->setCurrentPage(index);
}

void MainWidget::onCurrentPageChanged(int index)
{
    if (index < 0 || index >= navigationButtons.size())
        return;
    navigationButtons.at(index)->click();
    QCoreApplication::processEvents();
    // The file list may have changed anywhere since the page was last seen;
    // the search runs even when the locked button kept the page from showing.
    if (index == PageIndex::DataManagement)
        dataManagementPage->search(QString());
}

void MainWidget::onExitRequested()
{
    openDialog<AlertDialog>(this, [this](AlertDialog *dialog) {
        Language *language = Language::instance();
        dialog->setTitle(language->text("exit"));
        dialog->setText(language->text("exitTheProgram"));
        dialog->setButtonTexts(language->text("confirm"), language->text("cancel"));
        connect(dialog, &AlertDialog::confirm, this, [this] {
            close();
        });
    });
}

void MainWidget::onWindowPositionChanged(const QPoint &point)
{
    move(point);
}

void MainWidget::moveEvent(QMoveEvent *event)
{
    // Masks and dialogs are placed on this rectangle.
    GlobalData::instance()->mainWindowRect = geometry();
    Widget::moveEvent(event);
}

void MainWidget::closeEvent(QCloseEvent *event)
{
    if (GlobalManager::instance()->fileController->saveSystemConfig() || saveFailureShown) {
        event->accept();
        return;
    }
    saveFailureShown = true;
    showKeyedNotice("saveFailed", NoticeCode::Error);
    event->ignore();
}
