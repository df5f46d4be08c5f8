#include "FileController.h"

FileController::FileController(QObject *parent)
    : QObject(parent)
{
}

void FileController::onDataReceiveCompleted()
{
}
