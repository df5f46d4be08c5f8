#ifndef DATAMANAGEMENTPAGE_H
#define DATAMANAGEMENTPAGE_H

#include "MeasureDataFileInfo.h"
#include "Widget.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class ButtonsWidget;
class CustomTableWidget;
class FileChooser;
class FileController;
class FooterWidget;
class SqliteService;

// The list of stored measurements: the shared file list ten rows a page, with
// open, rename, print, export, delete, clear, a page jump and a search. The
// list lives in GlobalData, the page number in the pager and the check marks
// in the table; every action reads the entry from the shared list when it runs.
class DataManagementPage : public Widget
{
    Q_OBJECT
public:
    explicit DataManagementPage(QWidget *parent = nullptr);
    ~DataManagementPage() override;

    void search(const QString &text);
    void repeatSearch();
    void refreshRows();
    QList<QStringList> rowTexts(int first, int last) const;
    bool currentFileInfo(MeasureDataFileInfo &out) const;
    bool checkedFileInfos(QList<MeasureDataFileInfo> &out) const;

    // Where the export asks for its directory; the platform's file dialog
    // unless replaced.
    void setFileChooser(std::unique_ptr<FileChooser> chooser);

protected:
    void initData() override;
    void initUi() override;
    void initConnect() override;
    void initStyle() override;
    void retranslateUi() override;

private:
    int firstListIndex() const;
    void openFile();
    void renameFile();
    void printFile();
    void exportFile();
    void deleteFiles();
    void clearFiles();
    void confirmDeletion(const char *titleKey, const char *textKey, const QStringList &names);

    ButtonsWidget *buttonsWidget = nullptr;
    CustomTableWidget *tableWidget = nullptr;
    FooterWidget *footerWidget = nullptr;
    SqliteService *sqliteService = nullptr;
    FileController *fileController = nullptr;
    std::unique_ptr<FileChooser> fileChooser;
};

#endif
