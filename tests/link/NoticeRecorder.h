#pragma once

#include "GlobalData.h"
#include "Language.h"
#include "Notice.h"

#include <QApplication>
#include <QChildEvent>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// Counts the notices the program queues from now on. A queued notice is a
// widget without a parent until the container shows it on the host, so each
// one is counted exactly once, whether or not it has been shown yet.
class NoticeRecorder : public QObject
{
public:
    NoticeRecorder()
    {
        for (Notice *notice : queuedNotices())
            notice->setProperty(kEarlier, true);
        host.resize(1280, 800);
        host.installEventFilter(this);
        GlobalData::instance()->noticeContainer.setParentWidget(&host);
    }

    ~NoticeRecorder() override { GlobalData::instance()->noticeContainer.setParentWidget(nullptr); }

    int count(const char *key) const
    {
        const QString text = Language::instance()->text(key);
        int queued = 0;
        for (const Notice *notice : queuedNotices())
            queued += !notice->property(kEarlier).toBool() && labelText(notice) == text;
        return shown.count(text) + queued;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &host && event->type() == QEvent::ChildAdded) {
            const auto *notice = qobject_cast<Notice *>(static_cast<QChildEvent *>(event)->child());
            if (notice && !notice->property(kEarlier).toBool())
                shown << labelText(notice);
        }
        return false;
    }

private:
    static constexpr const char *kEarlier = "queuedEarlier";

    static QList<Notice *> queuedNotices()
    {
        QList<Notice *> notices;
        const auto widgets = QApplication::allWidgets();
        for (QWidget *widget : widgets) {
            if (auto *notice = qobject_cast<Notice *>(widget); notice && !notice->parent())
                notices << notice;
        }
        return notices;
    }

    static QString labelText(const Notice *notice)
    {
        const auto *label = notice->findChild<QLabel *>();
        return label ? label->text() : QString();
    }

    QWidget host;
    QStringList shown;
};
