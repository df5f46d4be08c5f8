#include "ParameterListWidget.h"

#include "CalculateModel.h"
#include "GlobalConfig.h"
#include "GlobalManager.h"
#include "LabelAndLabel.h"
#include "Language.h"

#include <QVariant>

ParameterListWidget::ParameterListWidget(QWidget *parent)
    : Widget(parent)
{
}

void ParameterListWidget::initData()
{
    mode = ParameterMode;
    rowHeight = int(kRowHeight * GlobalConfig::instance()->yScale);
}

void ParameterListWidget::initUi()
{
    column = std::make_unique<RowColumn<LabelAndLabel>>(this, ":/resources/image/measurepage/paralist.png", rowHeight);
}

void ParameterListWidget::initConnect()
{
    CalculateModel *model = GlobalManager::instance()->calculateModel;
    connect(model, &CalculateModel::parameterNameListChanged, this, &ParameterListWidget::rebuildByMode);
    connect(model, &CalculateModel::parameterCalculated, this, &ParameterListWidget::rebuildByMode);
}

void ParameterListWidget::initStyle()
{
    column->widget()->setProperty("QWidget", "fileListWidget");
    column->widget()->setStyleSheet("QWidget[QWidget=\"fileListWidget\"] { background-color: #ffffff; }");
}

void ParameterListWidget::retranslateUi()
{
    column->panel()->setTitle(Language::instance()->text("parameterCalculationResults"));
    setNameValuePairs(GlobalManager::instance()->calculateModel->parameterNameValuePairs());
}

void ParameterListWidget::setMode(int mode)
{
    this->mode = mode;
    rebuildByMode();
}

void ParameterListWidget::rebuildByMode()
{
    const CalculateModel *model = GlobalManager::instance()->calculateModel;
    if (mode == AbbottFirestoneMode)
        setNameValuePairs(model->abbottNameValuePairs());
    else if (mode == ParameterMode)
        setNameValuePairs(model->parameterNameValuePairs());
}

void ParameterListWidget::setNameValuePairs(const QList<QPair<QString, QString>> &pairs)
{
    column->showRows(pairs.size(), [] {
        auto *row = new LabelAndLabel;
        row->setStyle(LabelAndLabel::RowStyle);
        return row;
    });
    for (int i = 0; i < pairs.size(); ++i)
        column->rows().at(i)->setText(pairs.at(i).first, pairs.at(i).second);
}

void ParameterListWidget::paintEvent(QPaintEvent *event)
{
    column->fitWidth();
    Widget::paintEvent(event);
}
