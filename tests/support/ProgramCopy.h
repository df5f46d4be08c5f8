#pragma once

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// The program started as a process of its own from a copy in a temporary
// folder: its file index lies beside it and its instance key in its temporary
// folder, so neither the build's own nor another test's are touched.
struct ProgramCopy {
    bool setUp(const QString &builtProgram)
    {
        if (!root.isValid() || !QDir(root.path()).mkpath("bin") || !QDir(root.path()).mkpath("tmp"))
            return false;
        program = root.filePath("bin/Orlimo");
        if (!QFile::copy(builtProgram, program))
            return false;
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", root.filePath("tmp"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        return true;
    }

    QTemporaryDir root;
    QString program;
    QProcessEnvironment environment;
};
