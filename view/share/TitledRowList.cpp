#include "TitledRowList.h"

#include "GlobalConfig.h"
#include "LabelAndLabel.h"
#include "Language.h"

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
    column = std::make_unique<RowColumn<LabelAndLabel>>(this, iconPath, rowHeight);
}

void TitledRowList::initConnect()
{
}

void TitledRowList::initStyle()
{
    column->widget()->setProperty("QWidget", QStringLiteral("fileListWidget"));
    column->widget()->setStyleSheet("QWidget[QWidget=\"fileListWidget\"] { background-color: #ffffff; }");
}

void TitledRowList::retranslateUi()
{
    column->panel()->setTitle(Language::instance()->text(titleKey));
}

void TitledRowList::updateRows(const QList<QPair<QString, QString>> &shownRows)
{
    column->showRows(shownRows.size(), [] {
        auto *row = new LabelAndLabel;
        row->setStyle(LabelAndLabel::RowStyle);
        return row;
    });
    for (int i = 0; i < shownRows.size(); ++i)
        column->rows().at(i)->setText(shownRows.at(i).first, shownRows.at(i).second);
}

void TitledRowList::paintEvent(QPaintEvent *event)
{
    column->fitWidth();
    Widget::paintEvent(event);
}
