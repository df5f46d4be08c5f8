#ifndef LISTWIDGET_H
#define LISTWIDGET_H

#include <QString>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPixmap;
class QScrollArea;

// A titled panel whose content scrolls by dragging it with the finger.
class ListWidget : public QWidget
{
    Q_OBJECT
public:
    enum Style { BorderlessStyle = 0, PanelStyle = 1 };

    explicit ListWidget(QWidget *parent = nullptr);

    void setIcon(const QPixmap &pixmap);
    void setTitle(const QString &text);
    void setContentWidget(QWidget *widget);
    void setScrollAreaFixedSize(int width, int height);
    void setScrollAreaFixedHeight(int height);
    void setScrollAreaFixedWidth(int width);
    void setContentMargins(int left, int top, int right, int bottom);
    int margin() const;
    void setMargin(int value);
    void setStyle(int type);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString styleText;
    QWidget *titleWidget;
    QLabel *iconLabel;
    QLabel *titleLabel;
    int titleHeight = 40;
    QScrollArea *scrollArea;
    QHBoxLayout *contentLayout;
    int outerMargin = 17;
};

#endif
