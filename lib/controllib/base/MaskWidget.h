#ifndef MASKWIDGET_H
#define MASKWIDGET_H

#include <QColor>
#include <QMetaObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

// The translucent layer that dims the main window under a dialog. It is a
// child of its opener's top-level window, painted over everything in it, so
// it needs neither a window manager nor a compositor; it takes the
// main-window rectangle (global coordinates) whenever it is shown and follows
// one dialog, its child: shown, hidden and closed with it, and closed when
// the dialog is destroyed. It goes with its opener as well.
class MaskWidget : public QWidget
{
    Q_OBJECT
public:
    explicit MaskWidget(QWidget *parent = nullptr);
    ~MaskWidget() override;

    void setMaskColor(const QColor &color, double opacity);
    void setMainRect(const QRect &rect);
    QRect mainRect() const;
    void setDialog(QWidget *followed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void releaseDialog();
    void giveFocusBack();
    QRect coveredRect() const;
    QWidget *nextFocusable(QWidget *from, bool next) const;

    QRect maskRect;
    QWidget *dialog = nullptr;
    // The dialog is normally the mask's child and so is destroyed inside the
    // mask's own destructor: the mask must stop listening before that.
    QMetaObject::Connection dialogDestroyedConnection;
    QColor maskColor;
    QPointer<QWidget> focusBehind;
};

#endif
