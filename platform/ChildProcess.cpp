#include "ChildProcess.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

// The guard ends its tree at once; one that has not ended by then never will.
const int StopTimeout = 5000;

// The texts a spawned program's argument and environment lists point into.
class TextList
{
public:
    void append(const QByteArray &text)
    {
        texts.append(text);
    }

    char **pointers()
    {
        list.clear();
        for (QByteArray &text : texts)
            list.push_back(text.data());
        list.push_back(nullptr);
        return list.data();
    }

private:
    QList<QByteArray> texts;
    std::vector<char *> list;
};

void waitForEnd(pid_t pid)
{
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

}

ChildProcess::ChildProcess(QObject *parent)
    : QObject(parent)
    , environmentSet(false)
    , readsOutput(false)
    , processId(0)
    , endDescriptor(-1)
    , outputDescriptor(-1)
    , endNotifier(nullptr)
    , outputNotifier(nullptr)
{
}

ChildProcess::~ChildProcess()
{
    blockSignals(true);
    stop();
}

void ChildProcess::setEnvironment(const QProcessEnvironment &processEnvironment)
{
    environment = processEnvironment;
    environmentSet = true;
}

void ChildProcess::setReadsOutput(bool reads)
{
    readsOutput = reads;
}

bool ChildProcess::start(const QString &program, const QStringList &arguments)
{
    if (isRunning())
        return false;

    TextList argumentTexts;
    argumentTexts.append(ORLIMO_GUARD_PROGRAM);
    // The guard starts nothing unless the program that started it is still
    // its parent: one that died while the guard came up would never send it
    // the signal to end.
    argumentTexts.append(QByteArray::number(getpid()));
    argumentTexts.append(QFile::encodeName(program));
    for (const QString &argument : arguments)
        argumentTexts.append(argument.toLocal8Bit());
    TextList environmentTexts;
    if (environmentSet) {
        for (const QString &entry : environment.toStringList())
            environmentTexts.append(entry.toLocal8Bit());
    }

    int outputPipe[2] = {-1, -1};
    if (readsOutput && pipe2(outputPipe, O_CLOEXEC) != 0)
        return false;
    outputDescriptor = outputPipe[0];

    // Nothing of the program's but the standard output and error reaches the
    // guard, whatever was opened without close-on-exec; and none of the
    // program's signal handlers or blocked signals.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (readsOutput)
        posix_spawn_file_actions_adddup2(&actions, outputPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signalSet;
    sigfillset(&signalSet);
    posix_spawnattr_setsigdefault(&attributes, &signalSet);
    sigemptyset(&signalSet);
    posix_spawnattr_setsigmask(&attributes, &signalSet);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    pid_t pid = 0;
    const int failure = posix_spawn(&pid, ORLIMO_GUARD_PROGRAM, &actions, &attributes, argumentTexts.pointers(),
                                    environmentSet ? environmentTexts.pointers() : environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (readsOutput)
        close(outputPipe[1]);
    if (failure != 0) {
        release();
        return false;
    }

    // glibc's own wrapper lacks C linkage in this version.
    endDescriptor = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (endDescriptor < 0) {
        // Without a way to see its end, the guard is of no use: it ends at
        // once on SIGTERM, before or after it started the program.
        kill(pid, SIGTERM);
        waitForEnd(pid);
        release();
        return false;
    }
    processId = pid;
    endNotifier = new QSocketNotifier(endDescriptor, QSocketNotifier::Read, this);
    connect(endNotifier, &QSocketNotifier::activated, this, &ChildProcess::collectEnd);
    if (outputDescriptor >= 0) {
        fcntl(outputDescriptor, F_SETFL, fcntl(outputDescriptor, F_GETFL) | O_NONBLOCK);
        outputNotifier = new QSocketNotifier(outputDescriptor, QSocketNotifier::Read, this);
        connect(outputNotifier, &QSocketNotifier::activated, this, &ChildProcess::readOutput);
    }
    return true;
}

void ChildProcess::stop()
{
    if (!isRunning())
        return;
    const auto pid = static_cast<pid_t>(processId);
    kill(pid, SIGTERM);
    pollfd end{endDescriptor, POLLIN, 0};
    int ready;
    while ((ready = poll(&end, 1, StopTimeout)) < 0 && errno == EINTR) {
    }
    if (ready == 0)
        kill(pid, SIGKILL);
    waitForEnd(pid);
    finish();
}

bool ChildProcess::isRunning() const
{
    return processId != 0;
}

void ChildProcess::readOutput()
{
    if (outputDescriptor < 0)
        return;
    char buffer[4096];
    for (;;) {
        const ssize_t count = read(outputDescriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count > 0) {
            partialLine.append(buffer, static_cast<int>(count));
            int end;
            while ((end = partialLine.indexOf('\n')) >= 0) {
                const QByteArray line = partialLine.left(end);
                partialLine.remove(0, end + 1);
                emit lineRead(line);
                // A reader may have stopped the process.
                if (outputDescriptor < 0)
                    return;
            }
            continue;
        }
        // The end of the output, or nothing more for now.
        if (count == 0 || errno != EAGAIN) {
            delete outputNotifier;
            outputNotifier = nullptr;
            close(outputDescriptor);
            outputDescriptor = -1;
        }
        return;
    }
}

void ChildProcess::collectEnd()
{
    const pid_t ended = waitpid(static_cast<pid_t>(processId), nullptr, WNOHANG);
    if (ended == 0 || (ended < 0 && errno == EINTR))
        return;
    finish();
}

void ChildProcess::finish()
{
    // The guard ended everything below it first, so whatever the process
    // wrote is in the pipe by now.
    readOutput();
    release();
    emit finished();
}

void ChildProcess::release()
{
    delete endNotifier;
    endNotifier = nullptr;
    if (endDescriptor >= 0)
        close(endDescriptor);
    endDescriptor = -1;
    delete outputNotifier;
    outputNotifier = nullptr;
    if (outputDescriptor >= 0)
        close(outputDescriptor);
    outputDescriptor = -1;
    partialLine.clear();
    processId = 0;
}
