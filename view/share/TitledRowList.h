#ifndef TITLEDROWLIST_H
#define TITLEDROWLIST_H

#include "RowColumn.h"
#include "Widget.h"

#include <QList>
#include <QPair>
#include <QString>

#include <memory>

class LabelAndLabel;

// A titled, scrolling column of name/value rows. Row widgets are made on
// demand and kept: a shorter list hides the rows it does not use.
class TitledRowList : public Widget
{
    Q_OBJECT
public:
    void setRows(const QList<QPair<QString, QString>> &rows);

protected:
    TitledRowList(const QString &titleKey, const QString &iconPath, QWidget *parent);

    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateRows(const QList<QPair<QString, QString>> &shownRows);

    const QString titleKey;
    const QString iconPath;
    QList<QPair<QString, QString>> rows;
    std::unique_ptr<RowColumn<LabelAndLabel>> column;
    int rowHeight = 47;
};

#endif
