#include "CheckBox.h"
#include "CustomPushButton.h"
#include "DataManagementPage.h"
#include "FooterWidget.h"
#include "Gallery.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "Language.h"
#include "TableWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

const QString pageBackground = "DataManagementPage { background-color: rgb(242,242,242); }";

// Files as the program names them, a minute apart, newest first, under a
// spread of standards, filters and cut-offs.
QList<MeasureDataFileInfo> sampleFiles(int count)
{
    QList<MeasureDataFileInfo> files;
    for (int i = count; i > 0; --i) {
        MeasureDataFileInfo info;
        info.fileName = QString("240501%1").arg(i);
        info.measureTime = QString("2024-05-01 10:%1:00").arg(i, 2, 10, QChar('0'));
        info.settingsData.calculateStandard = i % 10;
        info.settingsData.waveFilter = i % 6;
        info.settingsData.cutoffWavelengthS = i % 5;
        info.settingsData.cutoffWavelengthC = i % 7;
        files << info;
    }
    return files;
}

DataManagementPage *dataPage(int fileCount)
{
    GlobalConfig::instance()->initStyle();
    GlobalData::instance()->measureDataInfoList = sampleFiles(fileCount);
    auto *page = new DataManagementPage;
    page->init();
    page->setStyleSheet(pageBackground);
    page->setFixedSize(1190, 755);
    return page;
}

void addPageShots(Gallery &gallery)
{
    gallery.add("data-page-23-files-page-2-row-checked", [] {
        DataManagementPage *page = dataPage(23);
        page->findChild<FooterWidget *>()->setCurrentPage(2);
        auto *table = page->findChild<TableWidget *>();
        table->cellWidget(1, 0)->findChild<CheckBox *>()->click();
        return page;
    });
    gallery.add("data-page-empty", [] {
        return dataPage(0);
    });
    gallery.add("data-pager-page-28-of-30", [] {
        GlobalConfig::instance()->initStyle();
        auto *footer = new FooterWidget;
        footer->init();
        footer->setRecordCount(300);
        footer->setCurrentPage(28);
        footer->setFixedSize(1156, 60);
        return footer;
    });
}

enum Look { Normal, Pressed, Checked };

void addLabelButtonShots(Gallery &gallery)
{
    const QStringList lookNames{"normal", "pressed", "checked"};
    for (int style = 0; style < 4; ++style) {
        for (int look = Normal; look <= Checked; ++look) {
            gallery.add(QString("custompushbutton-%1-%2").arg(style).arg(lookNames.at(look)), [style, look] {
                auto *frame = new QWidget;
                frame->setAutoFillBackground(true);
                QPalette palette = frame->palette();
                palette.setColor(QPalette::Window, QColor(242, 242, 242));
                frame->setPalette(palette);
                auto *layout = new QVBoxLayout(frame);
                layout->setContentsMargins(10, 10, 10, 10);
                auto *button = new CustomPushButton;
                button->setFixedHeight(42);
                button->setStyle(style);
                button->setText(Language::instance()->text("nextPage"));
                button->setCheckedLook(look == Checked);
                layout->addWidget(button);
                if (look == Pressed) {
                    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                                      Qt::NoModifier);
                    QApplication::sendEvent(button, &press);
                }
                return frame;
            });
        }
    }
}

void addDataShots(Gallery &gallery)
{
    addPageShots(gallery);
    addLabelButtonShots(gallery);
}

}

ORLIMO_GALLERY_SECTION(addDataShots)
