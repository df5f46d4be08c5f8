#ifndef STARTUPMANAGER_H
#define STARTUPMANAGER_H

#include <QObject>

// Brings the program up in a fixed order before the event loop runs: data
// directories, style constants, font, object graph with configuration and
// file index, main window, then the instrument link and the parameter names.
class StartupManager : public QObject
{
    Q_OBJECT
public:
    void start();

private:
    void createDirectories();
    void initFont();
    void loadData();
    void createMainWindow();
    void startServices();

    bool dataStorageFound = false;
};

#endif
