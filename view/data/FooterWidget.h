#ifndef FOOTERWIDGET_H
#define FOOTERWIDGET_H

#include "Widget.h"

#include <QList>
#include <utility>

class CustomPushButton;
class QLabel;

// The pager under the file table: pages of ten rows, the record and page
// counts, and buttons for the first, previous, next and last page and five
// page numbers. It holds only numbers and tells its owner the rows to show.
class FooterWidget : public Widget
{
    Q_OBJECT
public:
    explicit FooterWidget(QWidget *parent = nullptr);

    void setRecordCount(int n);
    void setCurrentPage(int p);
    std::pair<int, int> currentRange() const;
    void refresh();
    void setNavigationHidden(bool hidden);

signals:
    void rangeChanged(std::pair<int, int> range);
    void currentPageChanged(int page);

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;

private:
    void initInfoLabels();
    void initNavigation();
    void showPageNumbers();

    int currentPage = 0;
    int pageCount = 0;
    int recordCount = 0;
    const int pageSize = 10;
    QWidget *infoWidget = nullptr;
    QList<QLabel *> textLabels;
    QLabel *currentPageLabel = nullptr;
    QLabel *pageCountLabel = nullptr;
    QLabel *recordCountLabel = nullptr;
    QWidget *navigationWidget = nullptr;
    CustomPushButton *firstButton = nullptr;
    CustomPushButton *previousButton = nullptr;
    CustomPushButton *nextButton = nullptr;
    CustomPushButton *lastButton = nullptr;
    QList<CustomPushButton *> pageButtons;
};

#endif
