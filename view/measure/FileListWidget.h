#ifndef FILELISTWIDGET_H
#define FILELISTWIDGET_H

#include "Widget.h"

#include <QList>
#include <QString>
#include <QStringList>

class CustomLabel;
class ListWidget;
class QVBoxLayout;

// The newest stored measurements, at most kMaxRows of them; a tap opens one.
// Locked while the instrument measures, fetches a profile or calibrates.
class FileListWidget : public Widget
{
    Q_OBJECT
public:
    static constexpr int kMaxRows = 100;
    static constexpr int kRowHeight = 47;

    explicit FileListWidget(QWidget *parent = nullptr);

    void setFileNames(QStringList names);

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;
    void paintEvent(QPaintEvent *event) override;

private:
    void reload();
    void onRowClicked(CustomLabel *row);
    void applyEnabling();

    ListWidget *listWidget = nullptr;
    QWidget *contentWidget = nullptr;
    QVBoxLayout *contentLayout = nullptr;
    // Rows are only ever added: a reload reuses them and hides the rest.
    QList<CustomLabel *> rowList;
    int rowHeight = kRowHeight;
    QString currentFileName;
    bool moterMeasureStatus = false;
    bool recvMeasureResultStatus = false;
    bool calibrationStatus = false;
};

#endif
