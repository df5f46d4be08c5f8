#pragma once

#include "LabelAndLabel.h"
#include "TitledRowList.h"

#include <QLabel>
#include <QList>
#include <QPair>
#include <QString>

using Rows = QList<QPair<QString, QString>>;

// The name and value texts of the rows a titled list shows.
inline Rows shownRows(const TitledRowList *list)
{
    Rows rows;
    for (const LabelAndLabel *row : list->findChildren<LabelAndLabel *>()) {
        if (row->isHidden())
            continue;
        const QList<QLabel *> labels = row->findChildren<QLabel *>();
        rows.append({labels.at(0)->text(), labels.at(1)->text()});
    }
    return rows;
}
