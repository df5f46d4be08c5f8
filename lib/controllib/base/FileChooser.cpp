#include "FileChooser.h"

#include <QFileDialog>

FileChooser::~FileChooser() = default;

QString FileChooser::existingDirectory(QWidget *parent, const QString &caption, const QString &directory)
{
    return QFileDialog::getExistingDirectory(parent, caption, directory, QFileDialog::ShowDirsOnly);
}

QString FileChooser::saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                  const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, directory, filter);
}
