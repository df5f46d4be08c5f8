#include "sharedDataControlView.h"

#include "CheckBox.h"
#include "Codes.h"
#include "CustomPushButton.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "KeyedNotice.h"
#include "Language.h"
#include "LineEdit.h"
#include "NetworkController.h"
#include "TableWidget.h"
#include "TouchButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QVariant>

namespace {
constexpr int kRowHeight = 48;
constexpr int kToolButtonStyle = 6;
constexpr int kRowCheckBoxStyle = 2;
constexpr int kPageButtonStyle = 3;
} // namespace

sharedDataControlView::sharedDataControlView(QWidget *parent)
    : Widget(parent)
{
}

void sharedDataControlView::initData()
{
    toolBar = new QWidget;
    pageEdit = new LineEdit;
    pageEdit->setFixedHeight(30);
    pageEdit->setFixedWidth(80);
    pageEdit->setValidatorType(LineEdit::Digits);
    pageEdit->setStyle(3);
    pageEdit->setAlignment(Qt::AlignCenter);
    jumpButton = new TouchButton;
    jumpButton->setFixedHeight(30);
    jumpButton->setFixedWidth(65);
    jumpButton->setStyle(kToolButtonStyle);
    tableArea = new QWidget;
    columnWidths = {50, 270};
    footer = new QWidget;
}

void sharedDataControlView::initUi()
{
    initToolBar();
    initTableArea();
    initFooter();
    const int margin = GlobalConfig::instance()->margin;
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(toolBar);
    layout->addSpacing(margin);
    layout->addWidget(tableArea);
    layout->addSpacing(margin);
    layout->addWidget(footer);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(0);
}

void sharedDataControlView::initToolBar()
{
    auto *layout = new QHBoxLayout;
    QList<TouchButton *> buttons;
    for (int i = 0; i < 4; ++i) {
        auto *button = new TouchButton;
        button->setStyle(kToolButtonStyle);
        button->setFixedSize(i < 3 ? 60 : 100, 30);
        buttons.append(button);
        toolButtons.append(button);
    }
    openButton = buttons.at(0);
    printButton = buttons.at(1);
    exportButton = buttons.at(2);
    refreshButton = buttons.at(3);
    layout->addWidget(openButton);
    layout->addWidget(printButton);
    layout->addWidget(exportButton);
    layout->addWidget(pageEdit);
    layout->addWidget(jumpButton);
    layout->addWidget(refreshButton, 1, Qt::AlignRight);
    layout->addStretch();
    layout->addStretch();
    setRecordActionsEnabled(false);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    toolBar->setLayout(layout);
}

void sharedDataControlView::initTableArea()
{
    initTable();
    auto *layout = new QVBoxLayout(tableArea);
    layout->addWidget(table);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
}

void sharedDataControlView::initTable()
{
    table = new TableWidget;
    table->setListLayout(columnWidths, 1);
    table->setMinimumHeight(500);
}

void sharedDataControlView::initFooter()
{
    initPageInfo();
    initPageButtons();
    auto *layout = new QHBoxLayout(footer);
    layout->addWidget(pageInfo);
    layout->addStretch();
    layout->addWidget(pageButtons);
    layout->setSpacing(0);
    layout->setContentsMargins(10, 0, 10, 0);
}

void sharedDataControlView::initPageInfo()
{
    for (int i = 0; i < 6; ++i) {
        auto *label = new QLabel;
        label->setStyleSheet("QLabel{ color: rgb(116,117,121); }");
        pageInfoLabels.append(label);
    }
    currentPageLabel = new QLabel;
    pageCountLabel = new QLabel;
    recordCountLabel = new QLabel;
    pageInfo = new QWidget;
    auto *layout = new QHBoxLayout(pageInfo);
    layout->addWidget(pageInfoLabels.at(0));
    layout->addWidget(recordCountLabel);
    layout->addWidget(pageInfoLabels.at(1));
    layout->addSpacing(10);
    layout->addWidget(pageInfoLabels.at(2));
    layout->addWidget(currentPageLabel);
    layout->addWidget(pageInfoLabels.at(3));
    layout->addWidget(pageInfoLabels.at(4));
    layout->addWidget(pageCountLabel);
    layout->addWidget(pageInfoLabels.at(5));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
}

void sharedDataControlView::initPageButtons()
{
    previousButton = new CustomPushButton;
    previousButton->setFixedHeight(42);
    previousButton->setStyle(kPageButtonStyle);
    nextButton = new CustomPushButton;
    nextButton->setFixedHeight(42);
    nextButton->setStyle(kPageButtonStyle);
    pageButtons = new QWidget;
    auto *layout = new QHBoxLayout(pageButtons);
    layout->addWidget(previousButton);
    layout->addWidget(nextButton);
    layout->setSpacing(7);
    layout->setContentsMargins(0, 0, 0, 0);
}

void sharedDataControlView::initConnect()
{
    connect(openButton, &TouchButton::clicked, this, [this] {
        requestCheckedRecord(RecordAction::Open);
    });
    connect(printButton, &TouchButton::clicked, this, [this] {
        requestCheckedRecord(RecordAction::Print);
    });
    connect(exportButton, &TouchButton::clicked, this, [this] {
        requestCheckedRecord(RecordAction::Export);
    });
    connect(refreshButton, &TouchButton::clicked, this, &sharedDataControlView::requestCount);
    connect(GlobalManager::instance()->networkController, &NetworkController::executingMachineDataUpdata, this,
            [this](int num) {
                machineDataCount = num;
                refresh();
            });
    connect(previousButton, &CustomPushButton::clicked, this, &sharedDataControlView::goToPreviousPage);
    connect(nextButton, &CustomPushButton::clicked, this, &sharedDataControlView::goToNextPage);
    connect(this, &sharedDataControlView::PageChanged, this, [this](int page) {
        pageEdit->setText(QString::number(page));
    });
    connect(jumpButton, &TouchButton::clicked, this, &sharedDataControlView::jumpToPage);
}

void sharedDataControlView::initStyle()
{
    setProperty("QWidget", QStringLiteral("sharedDataControlView"));
    setStyleSheet("QWidget[QWidget=\"sharedDataControlView\"] { background-color: rgb(230,230,230); }");
}

void sharedDataControlView::retranslateUi()
{
    Language *language = Language::instance();
    const QStringList toolKeys{"open2", "print", "export", "refresh"};
    for (int i = 0; i < toolButtons.size(); ++i)
        static_cast<TouchButton *>(toolButtons.at(i))->setText(language->text(toolKeys.at(i)));
    jumpButton->setText(language->text("jump"));

    if (language->language == LanguageCode::Chinese) {
        pageInfoLabels.at(0)->show();
        pageInfoLabels.at(0)->setText("查询到");
        pageInfoLabels.at(1)->setText("条记录");
        pageInfoLabels.at(2)->setText("第");
        pageInfoLabels.at(3)->show();
        pageInfoLabels.at(3)->setText("页");
        pageInfoLabels.at(4)->setText("（共");
        pageInfoLabels.at(5)->setText("页）");
    } else if (language->language == LanguageCode::English) {
        pageInfoLabels.at(0)->hide();
        pageInfoLabels.at(1)->setText(" Records");
        pageInfoLabels.at(2)->setText(" Page ");
        pageInfoLabels.at(3)->hide();
        pageInfoLabels.at(4)->setText(" (Total ");
        pageInfoLabels.at(5)->setText(" Pages)");
    }
    if (language->language == LanguageCode::Chinese || language->language == LanguageCode::English) {
        recordCountLabel->setText("0");
        currentPageLabel->setText("0");
        pageCountLabel->setText("0");
    }
    previousButton->setText(language->text("previousPage"));
    nextButton->setText(language->text("nextPage"));
    refresh();
}

void sharedDataControlView::refresh()
{
    setRecordActionsEnabled(false);
    setRecordCount(machineDataCount);
    refreshRows();
}

void sharedDataControlView::setRecordCount(int count)
{
    recordCount = qMax(0, count);
    pageCount = recordCount / pageSize + (recordCount % pageSize ? 1 : 0);
    if (pageCount < currentPage || currentPage <= 0)
        currentPage = 1;
    if (recordCount == 0)
        currentPage = 0;
    updatePageInfo();
}

void sharedDataControlView::updatePageInfo()
{
    emit PageChanged(currentPage);
    recordCountLabel->setText(QString::number(recordCount));
    currentPageLabel->setText(QString::number(currentPage));
    pageCountLabel->setText(QString::number(pageCount));
}

void sharedDataControlView::setRecordActionsEnabled(bool enabled)
{
    openButton->setEnabled(enabled);
    printButton->setEnabled(enabled);
    exportButton->setEnabled(enabled);
}

void sharedDataControlView::refreshRows()
{
    const int end = currentPage * pageSize;
    const int start = qMax(0, end - pageSize);
    const int rows = qMax(0, qMin(end, recordCount) - start);
    table->clearContents();
    table->setRowCount(rows);
    // clearContents has already deleted the cell widgets and with them the
    // boxes they held.
    rowCheckBoxes.clear();
    for (int i = 0; i < rows; ++i) {
        auto *box = new CheckBox;
        box->setStyle(kRowCheckBoxStyle);
        box->setFixedSize(30, 30);
        connect(box, &CheckBox::clicked, this, &sharedDataControlView::onRowClicked);
        rowCheckBoxes.append(box);
        table->setCellWidget(i, 0, TableWidget::centredCell(box, kRowHeight, kRowHeight));
        for (int column = 1; column < columnWidths.size(); ++column) {
            auto *item = new QTableWidgetItem(QString::number(start + i + 1));
            item->setTextAlignment(Qt::AlignCenter);
            table->setItem(i, column, item);
        }
        table->setRowHeight(i, kRowHeight);
    }
}

void sharedDataControlView::onRowClicked()
{
    int checked = 0;
    for (CheckBox *box : qAsConst(rowCheckBoxes))
        checked += box->isChecked() ? 1 : 0;
    setRecordActionsEnabled(checked == 1);
}

bool sharedDataControlView::isLinked() const
{
    if (GlobalManager::instance()->networkController->networkConnectStatus)
        return true;
    showKeyedNotice("communicationDisconnected", NoticeCode::Error);
    return false;
}

void sharedDataControlView::requestCount()
{
    if (isLinked())
        GlobalManager::instance()->networkController->requestExecutingMachineDataCount();
}

void sharedDataControlView::requestCheckedRecord(int action)
{
    int position = 0;
    for (int i = 0; i < rowCheckBoxes.size() && position == 0; ++i) {
        if (rowCheckBoxes.at(i)->isChecked())
            position = i + 1;
    }
    const int number = position + (currentPage - 1) * pageSize;
    if (position == 0 || number < 1 || number > machineDataCount || !isLinked())
        return;
    GlobalData::instance()->executingMachineDataAction = action;
    GlobalManager::instance()->networkController->requestExecutingMachineData(number);
}

void sharedDataControlView::goToPreviousPage()
{
    --currentPage;
    if (currentPage <= 0)
        currentPage = pageCount;
    refresh();
}

void sharedDataControlView::goToNextPage()
{
    ++currentPage;
    if (currentPage > pageCount)
        currentPage = 1;
    refresh();
}

void sharedDataControlView::jumpToPage()
{
    bool ok = false;
    int page = pageEdit->text().toInt(&ok, 10);
    if (!ok || page <= 0)
        page = 1;
    currentPage = qMin(page, pageCount);
    refresh();
}
