#ifndef REPORTOVERLAY_H
#define REPORTOVERLAY_H

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class LabelAndCombobox;
class LineEdit;
class QLabel;
class ReportPage;
class TouchButton;

// The print dialog of a report: a fixed panel over the main window on a
// dimming layer, the live page preview on the left, report name, printer and
// paper on the right. It prints one A4 landscape sheet on the chosen printer
// and closes; a print that fails leaves it open with an error notice.
class ReportOverlay : public QWidget
{
    Q_OBJECT
public:
    // Where the printer names come from; the system's printers unless a
    // source is set. nullptr restores the system's list.
    using PrinterNameSource = QStringList (*)();
    static void setPrinterNameSource(PrinterNameSource source);
    static QStringList printerNames();

    ~ReportOverlay() override;

    ReportPage *page() const;

protected:
    explicit ReportOverlay(QWidget *parent);

    // Builds the overlay around the page; a page without content is not
    // shown and cannot be printed.
    void build(ReportPage *reportPage, bool hasContent);

    void paintEvent(QPaintEvent *event) override;

private:
    void initUi();
    void initPreview();
    void initSettingsPanel();
    void initMask();
    void initConnect();
    void initStyle();
    void retranslateUi();
    void fitPreview();
    // Prints the report on the printer at index of the listed names.
    bool printOn(int printerIndex);
    void print();

    QPointer<QWidget> mask;
    QWidget *previewArea = nullptr;
    ReportPage *reportPage = nullptr;
    QWidget *settingsPanel = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *reportNameLabel = nullptr;
    LineEdit *reportNameEdit = nullptr;
    LabelAndCombobox *printerBox = nullptr;
    LabelAndCombobox *paperSizeBox = nullptr;
    TouchButton *printButton = nullptr;
    TouchButton *cancelButton = nullptr;
    QStringList printers;
    bool hasContent = false;
    const int previewMargin = 6;
};

#endif
