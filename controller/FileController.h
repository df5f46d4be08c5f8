#ifndef FILECONTROLLER_H
#define FILECONTROLLER_H

#include <QObject>

// Measurement files, the configuration file and the file index.
class FileController : public QObject
{
    Q_OBJECT
public:
    explicit FileController(QObject *parent = nullptr);

public slots:
    // Runs after the received profile has been evaluated; saves it when
    // auto-save is on.
    void onDataReceiveCompleted();
};

#endif
