#ifndef NOTICE_H
#define NOTICE_H

#include <QWidget>

class QLabel;

// 0 success, 1 warning, 2 error; any other value shows an unstyled notice.
using NoticeType = int;

class Notice : public QWidget
{
    Q_OBJECT
public:
    explicit Notice(QWidget *parent = nullptr);
    explicit Notice(const QString &text, QWidget *parent = nullptr);

    void setText(const QString &text);
    void setType(NoticeType type);

private:
    QLabel *label;
    QString text;
    QString styleText;
    int noticeWidth = 70;
};

#endif
