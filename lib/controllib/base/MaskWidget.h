#ifndef MASKWIDGET_H
#define MASKWIDGET_H

#include <QColor>
#include <QMetaObject>
#include <QRect>
#include <QWidget>

// The translucent overlay that dims the main window under a dialog. It takes
// the main-window rectangle whenever it is shown and follows one dialog:
// shown, hidden and closed with it, and closed when the dialog is destroyed.
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

private:
    void releaseDialog();

    QRect maskRect;
    QWidget *dialog = nullptr;
    // The dialog is normally the mask's child and so is destroyed inside the
    // mask's own destructor: the mask must stop listening before that.
    QMetaObject::Connection dialogDestroyedConnection;
};

#endif
