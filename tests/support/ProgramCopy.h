#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSharedMemory>
#include <QString>
#include <QTemporaryDir>

// The program started as a process of its own from a copy in a temporary
// folder: its file index lies beside it and its instance key in its temporary
// folder, so neither the build's own nor another test's are touched.
struct ProgramCopy {
    // An instance that ended, normally or killed, leaves its segment behind,
    // which would outlive the test.
    ~ProgramCopy()
    {
        if (program.isEmpty())
            return;
        qputenv("TMPDIR", root.filePath("tmp").toLocal8Bit());
        QSharedMemory leftover("SingleApp");
        if (leftover.attach())
            leftover.detach();
    }

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

    // The copy started in workFolder, its output dropped and its errors
    // shown with the test's.
    void start(QProcess &running, const QString &workFolder) const
    {
        running.setProcessEnvironment(environment);
        running.setWorkingDirectory(workFolder);
        running.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        running.setStandardOutputFile(QProcess::nullDevice());
        running.start(program, QStringList());
    }

    QTemporaryDir root;
    QString program;
    QProcessEnvironment environment;
};
