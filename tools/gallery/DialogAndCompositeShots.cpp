#include "AlertDialog.h"
#include "CalibrationDialog.h"
#include "DeveloperModelDialog.h"
#include "Gallery.h"
#include "GlobalManager.h"
#include "HintDialog.h"
#include "LabelAndCombobox.h"
#include "LabelAndLabel.h"
#include "LabelAndLineEdit.h"
#include "Language.h"
#include "ListWidget.h"
#include "NeedleCalibrationDialog.h"
#include "NetworkController.h"
#include "RenameDialog.h"
#include "SaveFileDialog.h"
#include "SearchBox.h"
#include "TextWidget.h"
#include "TouchButton.h"

#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString text(const char *key)
{
    return Language::instance()->text(key);
}

// Lets notices come up and animations end before the shot is taken.
void settle(QWidget *widget, int ms)
{
    widget->setAttribute(Qt::WA_DontShowOnScreen);
    widget->show();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The grey of the pages behind the panels, so white panels and borders show.
QWidget *card(QWidget *control, const QSize &size)
{
    auto *frame = new QWidget;
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, QColor(246, 246, 246));
    frame->setPalette(palette);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(10, 10, 10, 10);
    if (size.isValid())
        control->setFixedSize(size);
    layout->addWidget(control);
    return frame;
}

// The program's link, set up as at start-up but never looking for a unit, so
// the needle dialog shows only the position given to it.
NetworkController *idleLink()
{
    static NetworkController *link = [] {
        NetworkController *controller = GlobalManager::instance()->networkController;
        NetworkController::Intervals intervals;
        intervals.probeMs = 24 * 60 * 60 * 1000;
        controller->setIntervals(intervals);
        controller->init();
        return controller;
    }();
    return link;
}

void addDialogShots(Gallery &gallery)
{
    gallery.add("dialog-alert-exit", [] {
        auto *dialog = new AlertDialog;
        dialog->setTitle(text("exit"));
        dialog->setText(text("exitTheProgram"));
        dialog->setButtonTexts(text("confirm"), text("cancel"));
        return dialog;
    });
    gallery.add("dialog-alert-delete", [] {
        auto *dialog = new AlertDialog;
        dialog->setTitle(text("delete"));
        dialog->setText(text("confirmToDeleteSelectedFile"));
        dialog->setButtonTexts(text("confirm"), text("cancel"));
        return dialog;
    });
    gallery.add("dialog-alert-clear", [] {
        auto *dialog = new AlertDialog;
        dialog->setTitle(text("clear"));
        dialog->setText(text("emptyTheQueriedFiles"));
        dialog->setButtonTexts(text("confirm"), text("cancel"));
        return dialog;
    });
    gallery.add("dialog-rename", [] {
        auto *dialog = new RenameDialog;
        dialog->setTitle(text("rename"));
        dialog->setLabelText(text("pleaseEnterANewName"));
        dialog->setButtonTexts(text("confirm"), text("cancel"));
        dialog->setText("2401013");
        return dialog;
    });
    gallery.add("dialog-save", [] {
        auto *dialog = new SaveFileDialog;
        dialog->setFixedHeight(370);
        dialog->setTitle(text("saveData"));
        dialog->setFileNameRow(text("fileName"), "2401013");
        dialog->setMeasureTimeRow(text("time"), "2024-01-01 10:30:00");
        dialog->setButtonTexts(text("confirm"), text("cancel"));
        return dialog;
    });
    gallery.add("dialog-hint", [] {
        auto *dialog = new HintDialog;
        dialog->setTitle(text("hint"));
        dialog->setText(text("calibrationLoading"));
        return dialog;
    });
    for (bool refused : {false, true}) {
        gallery.add(refused ? "dialog-calibration-refused" : "dialog-calibration", [refused] {
            auto *dialog = new CalibrationDialog;
            dialog->setFixedHeight(300);
            dialog->setTitle(text("calibration"));
            dialog->setText(text("raCalibrationValue"), refused ? "0" : "3.03");
            dialog->setButtonTexts(text("confirm"), text("cancel"));
            if (refused) {
                settle(dialog, 0);
                dialog->findChildren<TouchButton *>().first()->click();
                settle(dialog, 700);
            }
            return dialog;
        });
    }
    gallery.add("dialog-developer", [] {
        auto *dialog = new DeveloperModelDialog;
        dialog->setTitle(text("developerModel"));
        dialog->setButtonTexts(text("calibration"), text("cancel"));
        return dialog;
    });
    gallery.add("dialog-needle-calibration", [] {
        NetworkController *link = idleLink();
        auto *dialog = new NeedleCalibrationDialog;
        dialog->setTitle(text("middleNeedleVoltageCalibration"));
        dialog->setButtonTexts(text("confirm"), text("cancel"));
        emit link->responseNeedlePosition(0.0f, 30000);
        settle(dialog, 1500);
        return dialog;
    });
}

void addCompositeShots(Gallery &gallery)
{
    gallery.add("listwidget-1-rows", [] {
        auto *list = new ListWidget;
        list->setStyle(ListWidget::PanelStyle);
        list->setTitle(text("parameterCalculationResults"));
        auto *rows = new QWidget;
        auto *layout = new QVBoxLayout(rows);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        const QList<QPair<QString, QString>> values = {{"Ra", "0.812 μm"},  {"Rq", "1.024 μm"}, {"Rz", "5.310 μm"},
                                                       {"Rt", "6.742 μm"},  {"Rsk", "-0.214"},  {"Rku", "3.108"},
                                                       {"RSm", "0.102 mm"}, {"Rmr", "12.5 %"}};
        for (const auto &[name, value] : values) {
            auto *row = new LabelAndLabel;
            row->setStyle(LabelAndLabel::RowStyle);
            row->setFixedSize(300, 50);
            row->setText(name, value);
            layout->addWidget(row);
        }
        list->setContentWidget(rows);
        list->setScrollAreaFixedSize(300, 300);
        return card(list, QSize());
    });
    for (int style = TextWidget::WhiteStyle; style <= TextWidget::GreySquareStyle; ++style) {
        gallery.add(QString("textwidget-%1").arg(style), [style] {
            auto *panel = new TextWidget;
            panel->setStyle(style);
            panel->setTitle(text("measurementInformation"));
            auto *content = new QLabel(text("calibrationLoading"));
            content->setWordWrap(true);
            content->setStyleSheet("background-color: transparent;");
            content->setFixedWidth(280);
            panel->setContentWidget(content);
            panel->setScrollAreaFixedSize(300, 120);
            return card(panel, QSize());
        });
    }
    for (int style = LabelAndCombobox::SettingStyle; style <= LabelAndCombobox::ChoiceStyle; ++style) {
        gallery.add(QString("labelandcombobox-%1").arg(style), [style] {
            auto *row = new LabelAndCombobox;
            row->setFixedSize(400, 50);
            row->setItems(text(style == LabelAndCombobox::ChoiceStyle ? "printer" : "calculationStandard"),
                          {" JIS-94", " ISO-97", " GB-14"});
            row->setStyle(style);
            return card(row, QSize());
        });
    }
    for (int style = LabelAndLineEdit::FramedRowStyle; style <= LabelAndLineEdit::WideRowStyle; ++style) {
        gallery.add(QString("labelandlineedit-%1").arg(style), [style] {
            auto *row = new LabelAndLineEdit(style);
            row->setText(text("fileName"), "2401013");
            return card(row, QSize(425, 70));
        });
    }
    gallery.add("searchbox", [] {
        auto *box = new SearchBox;
        return card(box, QSize(360, 50));
    });
}

void addDialogAndCompositeShots(Gallery &gallery)
{
    addDialogShots(gallery);
    addCompositeShots(gallery);
}

}

ORLIMO_GALLERY_SECTION(addDialogAndCompositeShots)
