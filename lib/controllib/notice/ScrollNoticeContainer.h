#ifndef SCROLLNOTICECONTAINER_H
#define SCROLLNOTICECONTAINER_H

#include "Notice.h"

#include <QObject>
#include <QPointer>

#include <deque>
#include <vector>

class QPropertyAnimation;
class QSequentialAnimationGroup;
class QTimer;

// Queues pop-up notices and shows them one per tick over a parent widget,
// stacking them upwards; each stays 3 s, fades out and is deleted once later
// notices have pushed it well above the parent's top edge.
class ScrollNoticeContainer : public QObject
{
    Q_OBJECT
public:
    ScrollNoticeContainer();
    ~ScrollNoticeContainer() override;

    void setParentWidget(QWidget *widget);
    QWidget *parentWidget() const;

    void showNotice(const QString &text, NoticeType type);

    // Deletes every notice, queued or shown, and the queue timer. Owners that
    // outlive the application object call it while the application still exists;
    // afterwards the container shows nothing more.
    void release();

private:
    void onQueueTimeout();
    void presentNotice(Notice *notice);
    void removeNotice(int index);

    // A shown notice is also a child of the parent widget and may be deleted with it.
    std::vector<QPointer<Notice>> noticeList;
    std::vector<int> positionList;
    std::vector<QPropertyAnimation *> geometryAnimationList;
    std::vector<QPropertyAnimation *> opacityAnimationList;
    std::vector<QSequentialAnimationGroup *> animationGroupList;
    int spacing = 10;
    QPointer<QWidget> targetWidget;
    std::deque<Notice *> noticeQueue;
    QTimer *queueTimer;
};

#endif
