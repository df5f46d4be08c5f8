#include "ParameterListWidget.h"

#include "CalculateModel.h"
#include "GlobalConfig.h"
#include "GlobalManager.h"
#include "LabelAndLabel.h"
#include "Language.h"
#include "ListWidget.h"

#include <QHBoxLayout>
#include <QImage>
#include <QPixmap>
#include <QVBoxLayout>
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
    listWidget = new ListWidget;
    listWidget->setStyle(ListWidget::PanelStyle);
    listWidget->setIcon(QPixmap::fromImage(QImage(":/resources/image/measurepage/paralist.png")));
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

void ParameterListWidget::initConnect()
{
    CalculateModel *model = GlobalManager::instance()->calculateModel;
    connect(model, &CalculateModel::parameterNameListChanged, this, &ParameterListWidget::rebuildByMode);
    connect(model, &CalculateModel::parameterCalculated, this, &ParameterListWidget::rebuildByMode);
}

void ParameterListWidget::initStyle()
{
    contentWidget->setProperty("QWidget", "fileListWidget");
    contentWidget->setStyleSheet("QWidget[QWidget=\"fileListWidget\"] { background-color: #ffffff; }");
}

void ParameterListWidget::retranslateUi()
{
    listWidget->setTitle(Language::instance()->text("parameterCalculationResults"));
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
    const int count = pairs.size();
    while (rowList.size() < count) {
        auto *row = new LabelAndLabel;
        row->setStyle(LabelAndLabel::RowStyle);
        row->setFixedHeight(rowHeight);
        contentLayout->addWidget(row);
        rowList << row;
    }
    for (int i = 0; i < count; ++i) {
        rowList.at(i)->setText(pairs.at(i).first, pairs.at(i).second);
        rowList.at(i)->show();
    }
    for (int i = count; i < rowList.size(); ++i)
        rowList.at(i)->hide();
    contentWidget->setFixedHeight(count * rowHeight);
}

void ParameterListWidget::paintEvent(QPaintEvent *event)
{
    contentWidget->setFixedWidth(listWidget->width() - 2 * listWidget->margin());
    Widget::paintEvent(event);
}
