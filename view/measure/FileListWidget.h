#ifndef FILELISTWIDGET_H
#define FILELISTWIDGET_H

#include "RowColumn.h"
#include "Widget.h"

#include <QString>
#include <QStringList>

#include <memory>

class CustomLabel;

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

    // Rows are only ever added: a reload reuses them and hides the rest.
    std::unique_ptr<RowColumn<CustomLabel>> column;
    int rowHeight = kRowHeight;
    QString currentFileName;
    bool moterMeasureStatus = false;
    bool recvMeasureResultStatus = false;
    bool calibrationStatus = false;
};

#endif
