#ifndef TEXTWIDGET_H
#define TEXTWIDGET_H

#include <QString>
#include <QWidget>

class QFont;
class QHBoxLayout;
class QLabel;
class QScrollArea;

// A card with a centred title over content that scrolls by dragging.
class TextWidget : public QWidget
{
    Q_OBJECT
public:
    enum Style { WhiteStyle = 0, GreyStyle = 1, PlainWhiteStyle = 2, GreySquareStyle = 3 };

    explicit TextWidget(QWidget *parent = nullptr);

    void setTitle(const QString &text);
    void setTitleFont(const QFont &font);
    void setTitleHeight(int height);
    QWidget *titleWidget() const;
    void setTitleWidget(QWidget *widget);
    void setContentWidget(QWidget *widget);
    void setScrollAreaFixedSize(int width, int height);
    void setScrollAreaFixedHeight(int height);
    void setScrollAreaFixedWidth(int width);
    void setContentMargins(int left, int top, int right, int bottom);
    void setStyle(int type);

private:
    QString styleText;
    QWidget *titleBar;
    QLabel *titleLabel;
    int titleHeight = 40;
    QWidget *totalWidget;
    QScrollArea *scrollArea;
    QHBoxLayout *contentLayout;
};

#endif
