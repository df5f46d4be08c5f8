#pragma once

#include "FileController.h"
#include "GlobalManager.h"
#include "SqliteService.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

// A working directory of the test's own, laid out as the program keeps its
// files: the data folders and an empty file index, which GlobalManager and
// its FileController use in place of the program's own until tearDown.
// Set up before anything reads GlobalConfig: its data paths follow the
// working directory it first sees.
class TestWorkspace
{
public:
    bool setUp()
    {
        if (!root.isValid() || !QDir::setCurrent(root.path()) || !QDir().mkpath("file/DataStorage") ||
            !QDir().mkpath("file/FileInfo"))
            return false;
        index = std::make_unique<SqliteService>(nullptr, root.filePath("database.db"));
        if (!index->openDatabase())
            return false;
        GlobalManager *manager = GlobalManager::instance();
        programIndex = manager->sqliteService;
        manager->sqliteService = index.get();
        manager->fileController->setSqliteService(index.get());
        return true;
    }

    void tearDown()
    {
        GlobalManager *manager = GlobalManager::instance();
        manager->fileController->setSqliteService(programIndex);
        manager->sqliteService = programIndex;
    }

    QTemporaryDir root;
    std::unique_ptr<SqliteService> index;

private:
    SqliteService *programIndex = nullptr;
};
