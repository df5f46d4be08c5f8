#ifndef SWITCHBUTTON_H
#define SWITCHBUTTON_H

#include <QColor>
#include <QString>
#include <QWidget>

class QPainter;
class QTimer;

// An on/off switch: a pill-shaped track with a knob that slides to the right
// end when on. Only a press emits statusChanged; setChecked moves the knob
// silently.
class SwitchButton : public QWidget
{
    Q_OBJECT
public:
    explicit SwitchButton(QWidget *parent = nullptr);

    int getSpace() const { return space; }
    int getRadius() const { return radius; }
    bool getChecked() const { return checked; }
    bool getShowText() const { return showText; }
    bool getShowCircle() const { return showCircle; }
    bool getAnimation() const { return animation; }
    QColor getBgColorOn() const { return bgColorOn; }
    QColor getBgColorOff() const { return bgColorOff; }
    QColor getSliderColorOn() const { return sliderColorOn; }
    QColor getSliderColorOff() const { return sliderColorOff; }
    QColor getTextColor() const { return textColor; }
    QString getTextOn() const { return textOn; }
    QString getTextOff() const { return textOff; }
    int getStep() const { return int(step); }
    int getStartX() const { return int(startX); }
    int getEndX() const { return int(endX); }

signals:
    void statusChanged(bool checked);

public slots:
    void setSpace(int space);
    void setRadius(int radius);
    void setChecked(bool checked);
    void setShowText(bool show);
    void setShowCircle(bool show);
    void setAnimation(bool ok);
    void setBgColorOn(const QColor &color);
    void setBgColorOff(const QColor &color);
    void setSliderColorOn(const QColor &color);
    void setSliderColorOff(const QColor &color);
    void setTextColor(const QColor &color);
    void setTextOn(const QString &text);
    void setTextOff(const QString &text);
    void updateValue();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void startSlide();
    void drawBackground(QPainter &painter);
    void drawSlider(QPainter &painter);

    int space = 2;
    int radius = 5;
    bool checked = false;
    bool showText = true;
    bool showCircle = false;
    bool animation = true;
    QColor bgColorOn;
    QColor bgColorOff;
    QColor sliderColorOn;
    QColor sliderColorOff;
    QColor textColor;
    QString textOn;
    QString textOff;
    QTimer *timer;
    double step = 0.0;
    double startX = 0.0;
    double endX = 0.0;
};

#endif
