#include "MainTitleBar.h"

#include "GlobalConfig.h"
#include "GlobalData.h"
#include "Language.h"
#include "PushButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

MainTitleBar::MainTitleBar(QWidget *parent)
    : Widget(parent)
{
}

void MainTitleBar::initData()
{
}

void MainTitleBar::initUi()
{
    const GlobalConfig *config = GlobalConfig::instance();
    QFont font = GlobalData::instance()->font;
    font.setPixelSize(config->titleFontPixelSize);
    titleLabel = new QLabel;
    titleLabel->setFont(font);

    exitButton = new PushButton;
    exitButton->setStyle(0);
    exitButton->setFixedWidth(int(80 * config->xScale));
    const int iconSide = int(30 * config->yScale);
    exitButton->setIconSize(QSize(iconSide, iconSide));
    exitButton->setIcon(QIcon(":/resources/image/maintitlebar/exit_white.png"));

    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addSpacing(int(80 * config->xScale));
    layout->addStretch();
    layout->addWidget(titleLabel);
    layout->addStretch();
    layout->addWidget(exitButton);
    setLayout(layout);
}

void MainTitleBar::initConnect()
{
    connect(exitButton, &QPushButton::clicked, this, [this] {
        emit closeButtonClicked();
    });
}

void MainTitleBar::initStyle()
{
    setStyleSheet(QString("MainTitleBar{background: %1; border-bottom:1px solid #CCCCCC;}")
                      .arg(GlobalConfig::instance()->titleBarColor));
    titleLabel->setStyleSheet("QLabel{ color:white; }");
}

void MainTitleBar::retranslateUi()
{
    titleLabel->setText(Language::instance()->text("roughnessTester"));
}

void MainTitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressed = true;
    windowPos = mapToGlobal(QPoint(0, 0));
    pressPos = event->screenPos().toPoint();
}

void MainTitleBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pressed = false;
}

void MainTitleBar::mouseMoveEvent(QMouseEvent *event)
{
    if (!pressed)
        return;
    const QPoint global = event->screenPos().toPoint();
    emit windowPositionChanged(global + windowPos - pressPos);
}
