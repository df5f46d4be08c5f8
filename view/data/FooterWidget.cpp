#include "FooterWidget.h"

#include "Codes.h"
#include "CustomPushButton.h"
#include "Language.h"

#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

namespace {

constexpr int pageButtonCount = 5;
constexpr int buttonHeight = 42;
constexpr int framedLabelStyle = 3;
// Up to this many pages every page has its own button.
constexpr int pagesWithoutWindow = 4;
// The current page stays in the middle of the five numbers once it is past
// this page and at least this far from the last.
constexpr int windowCentre = 3;
constexpr int windowHalf = 2;

}

FooterWidget::FooterWidget(QWidget *parent)
    : Widget(parent)
{
}

void FooterWidget::setRecordCount(int n)
{
    recordCount = n;
    pageCount = (n + pageSize - 1) / pageSize;
    if (pageCount < currentPage || currentPage <= 0)
        currentPage = 1;
    if (n == 0)
        currentPage = 0;
    refresh();
}

void FooterWidget::setCurrentPage(int p)
{
    if (p <= 0)
        p = 1;
    if (p > pageCount)
        p = pageCount;
    currentPage = p;
    refresh();
}

std::pair<int, int> FooterWidget::currentRange() const
{
    return {std::max(0, (currentPage - 1) * pageSize), std::min(currentPage * pageSize, recordCount)};
}

void FooterWidget::refresh()
{
    emit currentPageChanged(currentPage);
    emit rangeChanged(currentRange());
    recordCountLabel->setText(QString("%1").arg(recordCount));
    currentPageLabel->setText(QString("%1").arg(currentPage));
    pageCountLabel->setText(QString("%1").arg(pageCount));
    showPageNumbers();
    for (CustomPushButton *button : qAsConst(pageButtons))
        button->setCheckedLook(button->text().toInt() == currentPage);
}

void FooterWidget::showPageNumbers()
{
    if (pageCount == 0) {
        setNavigationHidden(true);
        return;
    }
    setNavigationHidden(false);
    const int n = pageButtons.size();
    int firstNumber = 1;
    if (pageCount > pagesWithoutWindow && currentPage > windowCentre)
        firstNumber = currentPage + windowHalf < pageCount ? currentPage - windowHalf : pageCount - n + 1;
    for (int i = 0; i < n; ++i) {
        CustomPushButton *button = pageButtons.at(i);
        if (pageCount <= pagesWithoutWindow && i >= pageCount) {
            button->hide();
            continue;
        }
        button->setText(QString("%1").arg(firstNumber + i));
    }
}

void FooterWidget::setNavigationHidden(bool hidden)
{
    for (CustomPushButton *button : {firstButton, previousButton, nextButton, lastButton})
        button->setHidden(hidden);
    for (CustomPushButton *button : qAsConst(pageButtons))
        button->setHidden(hidden);
}

void FooterWidget::initData()
{
}

void FooterWidget::initInfoLabels()
{
    for (int i = 0; i < 6; ++i) {
        auto *label = new QLabel;
        label->setStyleSheet("QLabel{ color: rgb(116,117,121); }");
        textLabels << label;
    }
    currentPageLabel = new QLabel;
    pageCountLabel = new QLabel;
    recordCountLabel = new QLabel;

    auto *layout = new QHBoxLayout;
    layout->addWidget(textLabels[0]);
    layout->addWidget(recordCountLabel);
    layout->addWidget(textLabels[1]);
    layout->addSpacing(10);
    layout->addWidget(textLabels[2]);
    layout->addWidget(currentPageLabel);
    layout->addWidget(textLabels[3]);
    layout->addWidget(textLabels[4]);
    layout->addWidget(pageCountLabel);
    layout->addWidget(textLabels[5]);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    infoWidget = new QWidget;
    infoWidget->setLayout(layout);
}

void FooterWidget::initNavigation()
{
    const auto makeButton = [] {
        auto *button = new CustomPushButton;
        button->setFixedHeight(buttonHeight);
        button->setStyle(framedLabelStyle);
        return button;
    };
    firstButton = makeButton();
    previousButton = makeButton();
    nextButton = makeButton();
    lastButton = makeButton();
    for (int i = 0; i < pageButtonCount; ++i)
        pageButtons << makeButton();

    auto *layout = new QHBoxLayout;
    layout->addWidget(firstButton);
    layout->addWidget(previousButton);
    for (CustomPushButton *button : qAsConst(pageButtons))
        layout->addWidget(button);
    layout->addWidget(nextButton);
    layout->addWidget(lastButton);
    layout->setSpacing(7);
    layout->setContentsMargins(0, 0, 0, 0);
    navigationWidget = new QWidget;
    navigationWidget->setLayout(layout);
}

void FooterWidget::initUi()
{
    initInfoLabels();
    initNavigation();
    setFixedHeight(60);
    auto *layout = new QHBoxLayout;
    layout->addWidget(infoWidget);
    layout->addStretch();
    layout->addWidget(navigationWidget);
    layout->setSpacing(0);
    layout->setContentsMargins(10, 0, 10, 0);
    setLayout(layout);
}

void FooterWidget::initConnect()
{
    connect(firstButton, &CustomPushButton::clicked, this, [this] {
        currentPage = 1;
        refresh();
    });
    connect(previousButton, &CustomPushButton::clicked, this, [this] {
        currentPage = std::max(currentPage - 1, 1);
        refresh();
    });
    connect(nextButton, &CustomPushButton::clicked, this, [this] {
        currentPage = std::min(currentPage + 1, pageCount);
        refresh();
    });
    connect(lastButton, &CustomPushButton::clicked, this, [this] {
        currentPage = pageCount;
        refresh();
    });
    for (CustomPushButton *button : qAsConst(pageButtons)) {
        connect(button, &CustomPushButton::clicked, this, [this, button] {
            currentPage = button->text().toInt();
            refresh();
        });
    }
}

void FooterWidget::initStyle()
{
    setStyleSheet("FooterWidget {background-color:white; border-left:     1px solid rgb(224,224,224); "
                  "border-right:    1px solid rgb(224,224,224); border-bottom:   1px solid rgb(224,224,224); }");
}

void FooterWidget::retranslateUi()
{
    const int language = Language::instance()->language;
    if (language == LanguageCode::Chinese || language == LanguageCode::English) {
        const bool chinese = language == LanguageCode::Chinese;
        textLabels[0]->setVisible(chinese);
        if (chinese)
            textLabels[0]->setText("查询到");
        textLabels[1]->setText(chinese ? "条记录" : " Records");
        textLabels[2]->setText(chinese ? "第" : " Page ");
        textLabels[3]->setVisible(chinese);
        if (chinese)
            textLabels[3]->setText("页");
        textLabels[4]->setText(chinese ? "（共" : " (Total ");
        textLabels[5]->setText(chinese ? "页）" : " Pages)");
        recordCountLabel->setText("0");
        currentPageLabel->setText("0");
        pageCountLabel->setText("0");
    }
    Language *dictionary = Language::instance();
    firstButton->setText(dictionary->text("firstPage"));
    previousButton->setText(dictionary->text("previousPage"));
    nextButton->setText(dictionary->text("nextPage"));
    lastButton->setText(dictionary->text("lastPage"));
    for (int i = 0; i < pageButtons.size(); ++i)
        pageButtons.at(i)->setText(QString::number(i + 1));
}
