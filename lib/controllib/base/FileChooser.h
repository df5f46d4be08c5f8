#ifndef FILECHOOSER_H
#define FILECHOOSER_H

#include <QString>

class QWidget;

// The pages ask for file and directory names through this seam instead of the
// file-dialog statics, so a test can answer in place of the operator. The
// default answers come from the platform's file dialogs; an empty result means
// the operator cancelled.
class FileChooser
{
public:
    virtual ~FileChooser();

    virtual QString existingDirectory(QWidget *parent, const QString &caption, const QString &directory);
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter);
};

#endif
