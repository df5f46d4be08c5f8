#include "ButtonsWidget.h"

#include "Language.h"
#include "LineEdit.h"
#include "SearchBox.h"
#include "TouchButton.h"

#include <QHBoxLayout>

namespace {

constexpr int toolbarButtonStyle = 6;
constexpr int pageBoxStyle = 3;

}

ButtonsWidget::ButtonsWidget(QWidget *parent)
    : Widget(parent)
{
}

void ButtonsWidget::setPageNumber(int n)
{
    pageLineEdit->setText(QString("%1").arg(n));
}

void ButtonsWidget::setSingleFileActionsEnabled(bool enabled)
{
    for (TouchButton *button : {openButton, renameButton, printButton, exportButton})
        button->setEnabled(enabled);
}

QString ButtonsWidget::searchText() const
{
    return searchBox->text();
}

void ButtonsWidget::initData()
{
}

void ButtonsWidget::initUi()
{
    setFixedHeight(50);
    auto *layout = new QHBoxLayout;
    for (TouchButton **member :
         {&openButton, &renameButton, &printButton, &exportButton, &deleteButton, &clearButton}) {
        auto *button = new TouchButton;
        button->setFixedSize(85, 42);
        button->setStyle(toolbarButtonStyle);
        layout->addWidget(button);
        *member = button;
        actionButtons << button;
    }
    layout->addStretch();
    setSingleFileActionsEnabled(false);

    pageLineEdit = new LineEdit;
    pageLineEdit->setFixedHeight(42);
    pageLineEdit->setFixedWidth(80);
    pageLineEdit->setValidatorType(LineEdit::Digits);
    pageLineEdit->setStyle(pageBoxStyle);
    pageLineEdit->setAlignment(Qt::AlignCenter);

    jumpButton = new TouchButton;
    jumpButton->setFixedHeight(42);
    jumpButton->setFixedWidth(65);
    jumpButton->setStyle(toolbarButtonStyle);

    layout->addWidget(pageLineEdit);
    layout->addWidget(jumpButton);
    layout->addStretch();

    searchBox = new SearchBox;
    searchBox->setFixedSize(280, 50);
    layout->addWidget(searchBox);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    setLayout(layout);
}

void ButtonsWidget::initConnect()
{
    connect(openButton, &TouchButton::clicked, this, &ButtonsWidget::openButtonClicked);
    connect(renameButton, &TouchButton::clicked, this, &ButtonsWidget::renameButtonClicked);
    connect(printButton, &TouchButton::clicked, this, &ButtonsWidget::printButtonClicked);
    connect(exportButton, &TouchButton::clicked, this, &ButtonsWidget::exportButtonClicked);
    connect(deleteButton, &TouchButton::clicked, this, &ButtonsWidget::deleteButtonClicked);
    connect(clearButton, &TouchButton::clicked, this, &ButtonsWidget::clearButtonClicked);
    connect(searchBox, &SearchBox::searchButtonClicked, this, &ButtonsWidget::searchButtonClicked);
    // An empty or unreadable box reads as 0, which the pager takes as page 1.
    connect(jumpButton, &TouchButton::clicked, this, [this] {
        emit jumpButtonClicked(pageLineEdit->text().toInt());
    });
}

void ButtonsWidget::initStyle()
{
}

void ButtonsWidget::retranslateUi()
{
    Language *dictionary = Language::instance();
    const char *keys[] = {"open2", "rename", "print", "export", "delete", "clear"};
    for (int i = 0; i < actionButtons.size(); ++i)
        actionButtons.at(i)->setText(dictionary->text(keys[i]));
    jumpButton->setText(dictionary->text("jump"));
}
