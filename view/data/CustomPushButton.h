#ifndef CUSTOMPUSHBUTTON_H
#define CUSTOMPUSHBUTTON_H

#include <QString>
#include <QWidget>

class QLabel;

// The small text button of the pagers: a plain widget around one label, with
// a normal, a pressed and a checked look, that clicks when a left press is
// released inside it without having moved more than one pixel.
class CustomPushButton : public QWidget
{
    Q_OBJECT
public:
    explicit CustomPushButton(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    void setStyle(int type);
    void setCheckedLook(bool value);
    void applyStyle();

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool isInside(const QPoint &point) const;

    bool pressed = false;
    bool moved = false;
    int pressX = 0;
    int pressY = 0;
    QLabel *textLabel = nullptr;
    QString normalStyle;
    QString pressedStyle;
    QString checkedStyle;
    bool checked = false;
};

#endif
