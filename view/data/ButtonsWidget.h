#ifndef BUTTONSWIDGET_H
#define BUTTONSWIDGET_H

#include "Widget.h"

#include <QList>
#include <QString>

class LineEdit;
class SearchBox;
class TouchButton;

// The toolbar above the file table: the six file actions, a page box with a
// jump button and the search box. It only turns its controls into signals;
// the page does the work.
class ButtonsWidget : public Widget
{
    Q_OBJECT
public:
    explicit ButtonsWidget(QWidget *parent = nullptr);

    void setPageNumber(int n);
    // Open, rename, print and export act on exactly one file.
    void setSingleFileActionsEnabled(bool enabled);
    QString searchText() const;

signals:
    void openButtonClicked();
    void renameButtonClicked();
    void printButtonClicked();
    void exportButtonClicked();
    void deleteButtonClicked();
    void clearButtonClicked();
    void searchButtonClicked(QString text);
    void jumpButtonClicked(int page);

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;

private:
    TouchButton *openButton = nullptr;
    TouchButton *renameButton = nullptr;
    TouchButton *printButton = nullptr;
    TouchButton *exportButton = nullptr;
    TouchButton *deleteButton = nullptr;
    TouchButton *clearButton = nullptr;
    QList<TouchButton *> actionButtons;
    LineEdit *pageLineEdit = nullptr;
    TouchButton *jumpButton = nullptr;
    SearchBox *searchBox = nullptr;
};

#endif
