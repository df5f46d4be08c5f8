#ifndef SHAREFILEVIEW_H
#define SHAREFILEVIEW_H

#include "DataSave.h"
#include "FileChooser.h"
#include "Widget.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class CustomPlot;
class configListWidget;
class paraListWidget;
class sharedDataControlView;

// The page of the records kept in the instrument's memory: an empty plot
// over the parameter rows and configuration of the opened record and the
// list of stored records. A record asked for arrives here to be opened,
// printed or exported.
class shareFileView : public Widget
{
    Q_OBJECT
public:
    using Rows = QList<QPair<QString, QString>>;

    explicit shareFileView(QWidget *parent = nullptr);

    sharedDataControlView *getRecordListView() const;
    void setRecordListView(sharedDataControlView *view);
    // Where the export asks for its path; the chooser stays the caller's.
    void setFileChooser(FileChooser *chooser);

    QString valueText(float value, const QString &unit) const;
    // The rows of the record last received, in the unit shown.
    Rows parameterRows() const;

    void onOpenRecord(DATA_SAVE received);
    void onPrintRecord(DATA_SAVE received);
    void onExportRecord(DATA_SAVE received);

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;

private:
    Rows parameterRows(const DATA_SAVE &source) const;
    void showRecord();
    void updateConfigList();
    void updateParameterList();
    void updatePlot();

    paraListWidget *parameterListView = nullptr;
    sharedDataControlView *recordListView = nullptr;
    configListWidget *configListView = nullptr;
    CustomPlot *plot = nullptr;
    DATA_SAVE record{};
    // The opened record stays on screen while others are printed or
    // exported, and language and unit changes re-render it alone.
    DATA_SAVE shownRecord{};
    QList<QStringList> parameterNameLists;
    QStringList valueUnits;
    bool isRecordShown = false;
    FileChooser dialogChooser;
    FileChooser *fileChooser = &dialogChooser;
};

// Position of the first item equal to name, or the list's size.
int indexOfName(const QString &name, const QStringList &list);

#endif
