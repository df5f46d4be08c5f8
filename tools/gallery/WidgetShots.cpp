#include "CheckBox.h"
#include "ComboBox.h"
#include "CustomLabel.h"
#include "CustomPlot.h"
#include "Gallery.h"
#include "IconFont.h"
#include "Language.h"
#include "LineEdit.h"
#include "PushButton.h"
#include "SensorIndicator.h"
#include "SwitchButton.h"
#include "TableWidget.h"
#include "TouchButton.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QtMath>

namespace {

QString text(const char *key)
{
    return Language::instance()->text(key);
}

const QColor lightCard(246, 246, 246);
// Title bar and plot backgrounds, where the white-text looks are used.
const QColor titleBarCard(119, 25, 170);

// A control on a card of the colour it is shown on, so white controls and
// their borders show.
QWidget *card(QWidget *control, const QSize &size, const QColor &colour = lightCard)
{
    auto *frame = new QWidget;
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, colour);
    frame->setPalette(palette);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(10, 10, 10, 10);
    control->setFixedSize(size);
    layout->addWidget(control);
    return frame;
}

void pressWithMouse(QWidget *widget)
{
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

void addButtonShots(Gallery &gallery)
{
    for (bool selected : {false, true}) {
        gallery.add(QString("customlabel-0-%1").arg(selected ? "selected" : "normal"), [selected] {
            auto *label = new CustomLabel;
            label->setStyle(CustomLabel::RowStyle);
            label->setSelected(selected);
            label->setText(text("measureFileList"));
            return card(label, QSize(300, 50));
        });
    }
    for (int style = 0; style <= 9; ++style) {
        for (const char *state : {"normal", "pressed", "disabled"}) {
            gallery.add(QString("touchbutton-%1-%2").arg(style).arg(state), [style, state] {
                auto *button = new TouchButton;
                button->setStyle(style);
                button->setText(text(style == 3 ? "cancel" : "confirm"));
                button->setEnabled(qstrcmp(state, "disabled") != 0);
                QWidget *shot = card(button, QSize(160, 50), style == 5 ? titleBarCard : lightCard);
                if (qstrcmp(state, "pressed") == 0)
                    pressWithMouse(button);
                return shot;
            });
        }
    }
    for (int preset = 0; preset <= 5; ++preset) {
        for (bool checked : {false, true}) {
            if (checked && preset != 1 && preset != 2)
                continue;
            gallery.add(QString("pushbutton-%1-%2").arg(preset).arg(checked ? "checked" : "normal"), [preset, checked] {
                auto *button = new PushButton;
                button->setStyle(preset);
                button->setCheckable(true);
                button->setChecked(checked);
                button->setText(text("measurementCurve"));
                return card(button, QSize(180, 50), preset == 0 ? titleBarCard : lightCard);
            });
        }
    }
}

void addSelectionShots(Gallery &gallery)
{
    for (int style = 0; style <= 2; ++style) {
        for (bool checked : {false, true}) {
            gallery.add(QString("checkbox-%1-%2").arg(style).arg(checked ? "checked" : "unchecked"), [style, checked] {
                auto *box = new CheckBox;
                box->setStyle(style);
                box->setChecked(checked);
                box->setText(text("fileName"));
                return card(box, QSize(160, 40));
            });
        }
    }
    for (int style = 0; style <= 4; ++style) {
        gallery.add(QString("combobox-%1").arg(style), [style] {
            auto *combo = new ComboBox;
            combo->setStyle(style);
            combo->setItemHeight(45);
            combo->setItems({text("metricSystem"), text("imperialSystem")});
            return card(combo, QSize(220, 45));
        });
    }
    gallery.add("tablewidget-0", [] {
        auto *table = new TableWidget;
        table->setStyle(0);
        table->setColumnCount(3);
        table->setHorizontalHeaderLabels({QString(), text("fileName"), text("measurementTime")});
        table->setColumnWidth(0, 60);
        table->setColumnWidth(1, 200);
        table->setColumnWidth(2, 240);
        table->setRowCount(5);
        for (int row = 0; row < 5; ++row) {
            auto *box = new CheckBox;
            box->setStyle(2);
            box->setChecked(row == 1);
            table->setCellWidget(row, 0, box);
            table->setItem(row, 1, new QTableWidgetItem(QString("24060%1").arg(row + 1)));
            table->setItem(row, 2, new QTableWidgetItem(QString("2024-06-0%1 10:3%1:00").arg(row + 1)));
            table->setRowHeight(row, 50);
        }
        return card(table, QSize(502, 302));
    });
}

void addLineEditShots(Gallery &gallery)
{
    for (int style : {2, 3, 4}) {
        for (bool empty : {false, true}) {
            gallery.add(QString("lineedit-%1-%2").arg(style).arg(empty ? "placeholder" : "text"), [style, empty] {
                auto *edit = new LineEdit;
                edit->setStyle(style);
                if (empty)
                    edit->setPlaceholderText(text("fileName"));
                else
                    edit->setText(text("measurementReport") + " 240601");
                return card(edit, QSize(240, 50));
            });
        }
    }
}

void addPlotShots(Gallery &gallery)
{
    gallery.add("customplot-profile", [] {
        auto *plot = new CustomPlot;
        QVector<double> keys;
        QVector<double> values;
        for (int i = 0; i <= 2000; ++i) {
            const double x = i * 0.002;
            keys.append(x);
            values.append(0.8 * qSin(x * 2 * M_PI * 2.5) + 0.25 * qSin(x * 2 * M_PI * 37) +
                          0.1 * qSin(x * 2 * M_PI * 211));
        }
        plot->setGraphData(keys, values);
        plot->setAxisLabels("mm", "μm");
        plot->resize(640, 300);
        return plot;
    });
}

void addGaugeShots(Gallery &gallery)
{
    // Styles 4 and 5 write their labels in the widget's font into boxes that
    // scale with the widget: at 200 x 750 the boxes are 60 pixels wide.
    const QSize sizes[] = {{100, 300}, {100, 300}, {100, 300}, {200, 750},
                           {200, 750}, {100, 300}, {30, 300},  {220, 300}};
    for (int style = SensorIndicator::Ruled; style <= SensorIndicator::VoltageBar; ++style) {
        for (int value : {-250, 0, 400}) {
            const QSize size = sizes[style - 1];
            gallery.add(QString("sensorindicator-%1-%2").arg(style).arg(value), [style, value, size] {
                auto *gauge = new SensorIndicator;
                gauge->setStyle(style);
                gauge->setValue(value);
                gauge->onAnimationTimerTimeout();
                gauge->onAnimationTimerTimeout();
                return card(gauge, size);
            });
        }
    }
    for (bool on : {false, true}) {
        gallery.add(QString("switchbutton-%1").arg(on ? "on" : "off"), [on] {
            auto *button = new SwitchButton;
            button->setFixedSize(70, 30);
            button->setChecked(on);
            while (button->getStartX() != button->getEndX())
                button->updateValue();
            button->updateValue();
            return card(button, QSize(70, 30));
        });
    }
}

void addIconShots(Gallery &gallery)
{
    gallery.add("iconfont", [] {
        auto *sheet = new QWidget;
        sheet->setAutoFillBackground(true);
        auto *grid = new QGridLayout(sheet);
        IconFont *icons = IconFont::instance();
        QStringList names = icons->glyphs.keys();
        names.sort();
        for (int i = 0; i < names.size(); ++i) {
            auto *icon = new QLabel;
            icons->setLabelIcon(icon, icons->glyphs.value(names.at(i)), 40);
            icon->setAlignment(Qt::AlignCenter);
            auto *name = new QLabel(names.at(i));
            name->setAlignment(Qt::AlignCenter);
            grid->addWidget(icon, (i / 6) * 2, i % 6);
            grid->addWidget(name, (i / 6) * 2 + 1, i % 6);
        }
        sheet->resize(sheet->sizeHint().expandedTo(QSize(600, 0)));
        return sheet;
    });
}

void addWidgetShots(Gallery &gallery)
{
    addButtonShots(gallery);
    addSelectionShots(gallery);
    addLineEditShots(gallery);
    addPlotShots(gallery);
    addGaugeShots(gallery);
    addIconShots(gallery);
}

}

ORLIMO_GALLERY_SECTION(addWidgetShots)
