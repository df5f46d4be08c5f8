#include "Gallery.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "Language.h"
#include "MainWidget.h"
#include "MeasureWaveformWidget.h"
#include "NetworkController.h"
#include "Notice.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QtMath>

namespace {

constexpr int kProfileSamples = 8000;

QString text(const char *key)
{
    return Language::instance()->text(key);
}

// A turned surface: a feed mark with a slower waviness under it, in raw counts.
QList<double> sampleProfile()
{
    QList<double> samples;
    for (int i = 0; i < kProfileSamples; ++i) {
        const double x = i;
        samples << 30000.0 + 260.0 * qSin(x / 37.0) + 90.0 * qSin(x / 5.3) + 420.0 * qSin(x / 1900.0) +
                       25.0 * qSin(x * 1.7);
    }
    return samples;
}

void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The window showing the sample profile evaluated.
MainWidget *mainWindow()
{
    GlobalConfig::instance()->initStyle();
    GlobalData *data = GlobalData::instance();
    data->settingsData = {2, 0, 0, 0, 0, 1, 4, 0};
    data->calibrationFactor = 0.0254189;
    data->calcutateResult.measureDataList = sampleProfile();
    auto *window = new MainWidget;
    window->init();
    emit data->measureDataListChanged();
    return window;
}

QList<QPushButton *> curveButtons(QWidget *window)
{
    QList<QPushButton *> buttons;
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->size() == QSize(140, 45))
            buttons << button;
    }
    return buttons;
}

MeasureWaveformWidget *measuredPlot(QWidget *window)
{
    return window->findChild<MeasureWaveformWidget *>();
}

QWidget *picture(const QPixmap &shot)
{
    auto *label = new QLabel;
    label->setPixmap(shot);
    label->resize(shot.size());
    return label;
}

// The dialog and its mask are drawn inside the main window, so the window's
// own picture shows them as the screen does.
QWidget *withDialog(MainWidget *window)
{
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    GlobalData::instance()->mainWindowRect = window->geometry();
    QPushButton *exitButton = nullptr;
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->width() == 80)
            exitButton = button;
    }
    exitButton->click();
    settle(100);
    const QPixmap shot = window->grab();
    delete window;
    return picture(shot);
}

// The window as shown at this moment, kept as a picture so that the page it
// shows can be put back before the gallery grabs it.
QWidget *withWindowShown(MainWidget *window)
{
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    settle(100);
    const QPixmap shot = window->grab();
    delete window;
    return picture(shot);
}

void addMeasureShots(Gallery &gallery)
{
    gallery.add("mainwindow-idle", [] {
        return mainWindow();
    });
    const QStringList pages{"measure", "data-management", "instrument-records", "setup"};
    for (int page = 0; page < pages.size(); ++page) {
        gallery.add("mainwindow-page-" + pages.at(page), [page] {
            MainWidget *window = mainWindow();
            GlobalData::instance()->setCurrentPage(page);
            QWidget *shot = withWindowShown(window);
            GlobalData::instance()->setCurrentPage(PageIndex::Measure);
            return shot;
        });
    }
    gallery.add("mainwindow-busy-notice", [] {
        MainWidget *window = mainWindow();
        NetworkController *link = GlobalManager::instance()->networkController;
        emit link->moterMeasureStatusChanged(true);
        emit link->realTimeDataRecved(sampleProfile().mid(0, 320));
        auto *notice = new Notice(window);
        notice->setType(NoticeCode::Error);
        notice->setText(text("equipmentNotCalibrated"));
        notice->adjustSize();
        notice->move((1280 - notice->width()) / 2, 300);
        return window;
    });
    gallery.add("mainwindow-exit-dialog", [] {
        return withDialog(mainWindow());
    });
    const QStringList curves{"measurement", "shape-removal", "waviness", "roughness", "abbott-firestone"};
    for (int i = 0; i < curves.size(); ++i) {
        gallery.add("measure-curve-" + curves.at(i), [i] {
            MainWidget *window = mainWindow();
            curveButtons(window).at(i)->click();
            return window;
        });
    }
    gallery.add("measure-live", [] {
        MainWidget *window = mainWindow();
        const QList<double> profile = sampleProfile();
        const double factor = GlobalData::instance()->calibrationFactor;
        QList<double> live;
        for (int i = 0; i < 260; ++i)
            live << profile.at(i) * factor;
        measuredPlot(window)->setData(live, MeasureWaveformWidget::LiveMode);
        return window;
    });
    gallery.add("measure-narrowed-range", [] {
        MainWidget *window = mainWindow();
        measuredPlot(window)->setCalculateRange(500, 1400);
        measuredPlot(window)->replot();
        return window;
    });
}

}

ORLIMO_GALLERY_SECTION(addMeasureShots)
