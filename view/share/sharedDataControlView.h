#ifndef SHAREDDATACONTROLVIEW_H
#define SHAREDDATACONTROLVIEW_H

#include "Widget.h"

#include <QList>
#include <QVector>

class CheckBox;
class CustomPushButton;
class LineEdit;
class QLabel;
class TableWidget;
class TouchButton;

// The paged, checkable list of the records kept in the instrument. The
// instrument tells only how many it holds, so rows show record numbers from
// 1; with one row checked, open, print and export ask the instrument for
// that record and leave the wanted use in GlobalData for the record page.
class sharedDataControlView : public Widget
{
    Q_OBJECT
public:
    explicit sharedDataControlView(QWidget *parent = nullptr);

    void setRecordCount(int count);
    void updatePageInfo();
    void setRecordActionsEnabled(bool enabled);
    void refreshRows();
    void refresh();

signals:
    void PageChanged(int page);

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;

private:
    void initToolBar();
    void initTableArea();
    void initTable();
    void initFooter();
    void initPageInfo();
    void initPageButtons();

    // The link must stand before anything is asked of the instrument.
    bool isLinked() const;
    void requestCount();
    void requestCheckedRecord(int action);
    void onRowClicked();
    void goToPreviousPage();
    void goToNextPage();
    void jumpToPage();

    QWidget *toolBar = nullptr;
    TouchButton *openButton = nullptr;
    TouchButton *printButton = nullptr;
    TouchButton *exportButton = nullptr;
    TouchButton *refreshButton = nullptr;
    LineEdit *pageEdit = nullptr;
    TouchButton *jumpButton = nullptr;
    QList<QWidget *> toolButtons;
    QWidget *tableArea = nullptr;
    QVector<int> columnWidths;
    TableWidget *table = nullptr;
    QList<CheckBox *> rowCheckBoxes;
    QWidget *footer = nullptr;
    int currentPage = 0;
    int pageCount = 0;
    int recordCount = 0;
    const int pageSize = 5;
    QWidget *pageInfo = nullptr;
    QList<QLabel *> pageInfoLabels;
    QLabel *currentPageLabel = nullptr;
    QLabel *pageCountLabel = nullptr;
    QLabel *recordCountLabel = nullptr;
    QWidget *pageButtons = nullptr;
    CustomPushButton *previousButton = nullptr;
    CustomPushButton *nextButton = nullptr;
    int machineDataCount = 0;
};

#endif
