#include "ScrollNoticeContainer.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>
#include <QTimer>

namespace {
constexpr int kQueueInterval = 200;
constexpr int kSlideDuration = 300;
constexpr int kShowDuration = 3000;
constexpr int kFadeDuration = 300;
constexpr double kShownOpacity = 0.99;
}

ScrollNoticeContainer::ScrollNoticeContainer()
    : queueTimer(new QTimer)
{
    connect(queueTimer, &QTimer::timeout, this, &ScrollNoticeContainer::onQueueTimeout);
    queueTimer->start(kQueueInterval);
}

ScrollNoticeContainer::~ScrollNoticeContainer()
{
    release();
}

void ScrollNoticeContainer::setParentWidget(QWidget *widget)
{
    targetWidget = widget;
}

QWidget *ScrollNoticeContainer::parentWidget() const
{
    return targetWidget;
}

void ScrollNoticeContainer::showNotice(const QString &text, NoticeType type)
{
    if (!queueTimer)
        return;
    auto *notice = new Notice;
    notice->setType(type);
    notice->setText(text);
    noticeQueue.push_back(notice);
}

void ScrollNoticeContainer::release()
{
    for (int i = static_cast<int>(noticeList.size()) - 1; i >= 0; --i)
        removeNotice(i);
    for (Notice *notice : noticeQueue)
        delete notice;
    noticeQueue.clear();
    delete queueTimer;
    queueTimer = nullptr;
}

void ScrollNoticeContainer::onQueueTimeout()
{
    if (noticeQueue.empty())
        return;
    Notice *notice = noticeQueue.front();
    noticeQueue.pop_front();
    presentNotice(notice);
}

void ScrollNoticeContainer::presentNotice(Notice *notice)
{
    if (!notice)
        return;
    if (!targetWidget) {
        delete notice;
        return;
    }
    notice->setParent(targetWidget);

    auto *effect = new QGraphicsOpacityEffect(notice);
    effect->setOpacity(kShownOpacity);
    notice->setGraphicsEffect(effect);

    auto *opacityAnimation = new QPropertyAnimation(effect, "opacity");
    opacityAnimation->setDuration(kFadeDuration);
    opacityAnimation->setStartValue(kShownOpacity);
    opacityAnimation->setEndValue(0.0);
    opacityAnimationList.push_back(opacityAnimation);
    QPointer<Notice> fading(notice);
    connect(opacityAnimation, &QPropertyAnimation::finished, this, [fading] {
        if (fading)
            fading->hide();
    });

    auto *group = new QSequentialAnimationGroup;
    group->addPause(kShowDuration);
    group->addAnimation(opacityAnimation);
    animationGroupList.push_back(group);

    const int height = notice->height();
    const int step = spacing + height;
    const int parentHeight = targetWidget->height();
    const int parentWidth = targetWidget->width();
    positionList.push_back(positionList.empty() ? (parentHeight - height) / 2 : positionList.back() + step);
    noticeList.push_back(notice);
    geometryAnimationList.push_back(new QPropertyAnimation(notice, "geometry"));

    for (size_t i = 0; i < noticeList.size(); ++i) {
        Notice *shown = noticeList[i];
        if (!shown)
            continue;
        const int x = (parentWidth - shown->width()) / 2;
        const QRect start(x, positionList[i], shown->width(), shown->height());
        QPropertyAnimation *animation = geometryAnimationList[i];
        animation->stop();
        animation->setDuration(kSlideDuration);
        animation->setStartValue(start);
        animation->setEndValue(start.translated(0, -step));
        animation->start(QAbstractAnimation::KeepWhenStopped);
    }
    for (int &position : positionList)
        position -= step;
    for (int i = static_cast<int>(positionList.size()) - 1; i >= 0; --i) {
        if (positionList[i] < -2 * step)
            removeNotice(i);
    }

    group->start(QAbstractAnimation::KeepWhenStopped);
    notice->show();
}

void ScrollNoticeContainer::removeNotice(int index)
{
    const QPointer<Notice> notice = noticeList[index];
    QPropertyAnimation *geometryAnimation = geometryAnimationList[index];
    QPropertyAnimation *opacityAnimation = opacityAnimationList[index];
    QSequentialAnimationGroup *group = animationGroupList[index];
    noticeList.erase(noticeList.begin() + index);
    positionList.erase(positionList.begin() + index);
    geometryAnimationList.erase(geometryAnimationList.begin() + index);
    opacityAnimationList.erase(opacityAnimationList.begin() + index);
    animationGroupList.erase(animationGroupList.begin() + index);
    delete notice.data();
    delete geometryAnimation;
    delete opacityAnimation;
    delete group;
}
