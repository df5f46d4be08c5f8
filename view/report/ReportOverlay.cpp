#include "ReportOverlay.h"

#include "Codes.h"
#include "GlobalData.h"
#include "KeyedNotice.h"
#include "LabelAndCombobox.h"
#include "Language.h"
#include "LineEdit.h"
#include "ReportPage.h"
#include "TouchButton.h"
#include "UiUtilities.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QVBoxLayout>

namespace {
constexpr int kOverlayWidth = 1180;
constexpr int kOverlayHeight = 710;
constexpr int kSettingsWidth = 400;
constexpr double kLandscapeRatio = 297.0 / 210.0;

ReportOverlay::PrinterNameSource printerNameSource = nullptr;
} // namespace

void ReportOverlay::setPrinterNameSource(PrinterNameSource source)
{
    printerNameSource = source;
}

QStringList ReportOverlay::printerNames()
{
    if (printerNameSource)
        return printerNameSource();
    QStringList names;
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters())
        names.append(info.printerName());
    return names;
}

ReportOverlay::ReportOverlay(QWidget *parent)
    : QWidget(parent)
{
}

ReportOverlay::~ReportOverlay()
{
    if (mask) {
        mask->setParent(nullptr);
        delete mask;
    }
}

ReportPage *ReportOverlay::page() const
{
    return reportPage;
}

void ReportOverlay::build(ReportPage *contentPage, bool pageHasContent)
{
    reportPage = contentPage;
    hasContent = pageHasContent;
    initUi();
    initConnect();
    initStyle();
    retranslateUi();
}

void ReportOverlay::initUi()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kOverlayWidth, kOverlayHeight);
    initPreview();
    initSettingsPanel();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(previewArea);
    layout->addWidget(settingsPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    initMask();
}

void ReportOverlay::initPreview()
{
    previewArea = new QWidget;
    auto *layout = new QHBoxLayout(previewArea);
    layout->addWidget(reportPage);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    reportPage->setVisible(hasContent);
}

void ReportOverlay::initSettingsPanel()
{
    titleLabel = new QLabel;
    QFont titleFont = GlobalData::instance()->font;
    titleFont.setPixelSize(22);
    titleLabel->setFont(titleFont);
    reportNameLabel = new QLabel;
    reportNameEdit = new LineEdit;
    reportNameEdit->setStyle(4);
    reportNameEdit->setFixedSize(220, 45);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(reportNameLabel);
    nameRow->addStretch();
    nameRow->addWidget(reportNameEdit);
    nameRow->setContentsMargins(0, 0, 0, 0);
    nameRow->setSpacing(0);

    printerBox = new LabelAndCombobox;
    printerBox->setFixedHeight(55);
    printerBox->setStyle(LabelAndCombobox::ChoiceStyle);
    paperSizeBox = new LabelAndCombobox;
    paperSizeBox->setFixedHeight(55);
    paperSizeBox->setStyle(LabelAndCombobox::ChoiceStyle);

    printButton = new TouchButton;
    printButton->setStyle(7);
    printButton->setFixedSize(120, 45);
    cancelButton = new TouchButton;
    cancelButton->setStyle(8);
    cancelButton->setFixedSize(120, 45);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(printButton);
    buttonRow->addWidget(cancelButton);
    buttonRow->addStretch();
    buttonRow->setContentsMargins(10, 10, 10, 10);
    buttonRow->setSpacing(20);

    settingsPanel = new QWidget;
    settingsPanel->setFixedWidth(kSettingsWidth);
    auto *column = new QVBoxLayout(settingsPanel);
    column->addWidget(titleLabel);
    column->addLayout(nameRow);
    column->addWidget(printerBox);
    column->addWidget(paperSizeBox);
    column->addStretch();
    column->addLayout(buttonRow);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(15);
}

void ReportOverlay::initMask()
{
    QWidget *host = parentWidget();
    if (!host)
        return;
    mask = new QWidget(host);
    mask->setGeometry(host->rect());
    mask->show();
    mask->setStyleSheet("background-color: rgba(0,0,0,0.3);");
    raise();
}

void ReportOverlay::initConnect()
{
    connect(cancelButton, &TouchButton::clicked, this, &ReportOverlay::close);
    connect(reportNameEdit, &LineEdit::textChanged, reportPage, &ReportPage::setReportName);
    connect(printButton, &TouchButton::clicked, this, &ReportOverlay::print);
}

void ReportOverlay::initStyle()
{
    previewArea->setStyleSheet("background-color: rgb(218,220,224);");
    settingsPanel->setStyleSheet("background-color: rgb(255,255,255);");
}

void ReportOverlay::retranslateUi()
{
    Language *language = Language::instance();
    titleLabel->setText(language->text("print"));
    reportNameLabel->setText(language->text("reportName"));
    reportNameEdit->setText(language->text("measurementReport"));
    printers = printerNames();
    printerBox->setItems(language->text("printer"), indentTextList(printers, 1));
    paperSizeBox->setItems(language->text("paperSize"), indentTextList({"A4"}, 1));
    printButton->setText(language->text("print"));
    cancelButton->setText(language->text("cancel"));
    // Without a printer or without a report there is nothing to print on or
    // nothing to print.
    printButton->setEnabled(hasContent && !printers.isEmpty());
}

void ReportOverlay::fitPreview()
{
    const int available = previewArea->width() - 2 * previewMargin;
    const int height = previewArea->height();
    if (available <= 0 || height <= 0)
        return;
    if (double(available) / height >= kLandscapeRatio)
        reportPage->setFixedSize(int(height * 297.0 / 210.0), height);
    else
        reportPage->setFixedSize(available, int(available * 210.0 / 297.0));
}

void ReportOverlay::paintEvent(QPaintEvent *event)
{
    fitPreview();
    QWidget::paintEvent(event);
}

bool ReportOverlay::printOn(int printerIndex)
{
    const QString printerName = printers.value(printerIndex);
    if (printerName.isEmpty() || !hasContent)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(printerName);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageSize(QPageSize(QPageSize::A4));
    // The job carries the report's name into the queue.
    printer.setDocName(reportPage->reportName());
    // A queue that has gone since the list was made would silently become
    // the system's default printer.
    if (!printer.isValid() || printer.printerName() != printerName || !reportPage->printPage(printer)) {
        qDebug() << "report could not be printed on" << printerName;
        return false;
    }
    return true;
}

void ReportOverlay::print()
{
    if (!printOn(printerBox->currentIndex())) {
        showKeyedNotice("printFailed", NoticeCode::Error);
        return;
    }
    close();
}
