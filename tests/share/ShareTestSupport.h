#pragma once

#include "FileChooser.h"
#include "LabelAndLabel.h"
#include "TitledRowList.h"

#include <QLabel>
#include <QList>
#include <QPair>
#include <QString>

// Answers the page's file question as a test tells it to, and counts the
// questions.
class AnsweringChooser : public FileChooser
{
public:
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        ++asked;
        return answer;
    }
    QString answer;
    int asked = 0;
};

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
