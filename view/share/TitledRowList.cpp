#include "TitledRowList.h"

#include "GlobalConfig.h"
#include "LabelAndLabel.h"
#include "Language.h"
#include "ListWidget.h"

#include <QImage>
#include <QPixmap>
#include <QVBoxLayout>
#include <QVariant>

namespace {
constexpr int kRowHeight = 47;
}

TitledRowList::TitledRowList(const QString &titleKey, const QString &iconPath, QWidget *parent)
    : Widget(parent)
    , titleKey(titleKey)
    , iconPath(iconPath)
{
}

void TitledRowList::setRows(const QList<QPair<QString, QString>> &newRows)
{
    rows = newRows;
    updateRows(rows);
}

void TitledRowList::initData()
{
    rowHeight = int(kRowHeight * GlobalConfig::instance()->yScale);
}

void TitledRowList::initUi()
{
    listWidget = new ListWidget;
    listWidget->setStyle(ListWidget::PanelStyle);
    listWidget->setIcon(QPixmap::fromImage(QImage(iconPath)));

    contentWidget = new QWidget;
    contentLayout = new QVBoxLayout(contentWidget);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(0);
    listWidget->setContentWidget(contentWidget);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(listWidget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

void TitledRowList::initConnect()
{
}

void TitledRowList::initStyle()
{
    contentWidget->setProperty("QWidget", QStringLiteral("fileListWidget"));
    contentWidget->setStyleSheet("QWidget[QWidget=\"fileListWidget\"] { background-color: #ffffff; }");
}

void TitledRowList::retranslateUi()
{
    listWidget->setTitle(Language::instance()->text(titleKey));
}

void TitledRowList::updateRows(const QList<QPair<QString, QString>> &shownRows)
{
    const int count = shownRows.size();
    while (rowWidgets.size() < count)
        createRow();
    for (int i = 0; i < count; ++i) {
        rowWidgets.at(i)->setText(shownRows.at(i).first, shownRows.at(i).second);
        rowWidgets.at(i)->show();
    }
    for (int i = count; i < rowWidgets.size(); ++i)
        rowWidgets.at(i)->hide();
    contentWidget->setFixedHeight(count * rowHeight);
}

void TitledRowList::createRow()
{
    auto *row = new LabelAndLabel;
    row->setStyle(LabelAndLabel::RowStyle);
    row->setFixedHeight(rowHeight);
    contentLayout->addWidget(row);
    rowWidgets.append(row);
}

void TitledRowList::paintEvent(QPaintEvent *event)
{
    contentWidget->setFixedWidth(listWidget->width() - 2 * listWidget->margin());
    Widget::paintEvent(event);
}
