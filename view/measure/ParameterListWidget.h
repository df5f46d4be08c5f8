#ifndef PARAMETERLISTWIDGET_H
#define PARAMETERLISTWIDGET_H

#include "RowColumn.h"
#include "Widget.h"

#include <QList>
#include <QPair>
#include <QString>

#include <memory>

class LabelAndLabel;

// The results of the last evaluation as name/value rows: the roughness
// parameters, or the material-ratio values while the Abbott-Firestone curve
// is shown.
class ParameterListWidget : public Widget
{
    Q_OBJECT
public:
    enum Mode { ParameterMode = 0, AbbottFirestoneMode = 1 };

    static constexpr int kRowHeight = 47;

    explicit ParameterListWidget(QWidget *parent = nullptr);

    void setMode(int mode);
    int currentMode() const { return mode; }
    void setNameValuePairs(const QList<QPair<QString, QString>> &pairs);

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;
    void paintEvent(QPaintEvent *event) override;

private:
    void rebuildByMode();

    int mode = ParameterMode;
    // Rows are only ever added: a rebuild reuses them and hides the rest.
    std::unique_ptr<RowColumn<LabelAndLabel>> column;
    int rowHeight = kRowHeight;
};

#endif
