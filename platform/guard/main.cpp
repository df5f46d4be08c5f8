// orlimo-guard PARENT PROGRAM [ARGUMENTS...]
//
// Runs one program and ends, with it, everything that program started, however
// deep and however detached: the program's own children, the services a
// D-Bus daemon starts on demand, daemons that fork twice into a session of
// their own. The guard is a child subreaper, so a process whose parent ends
// is handed to it rather than to init, and nothing started below it can slip
// away before it ends them all.
//
// It ends them when the program ends, and when it is asked to end itself
// (SIGTERM, SIGINT, SIGHUP). PARENT is the process id of the program that
// starts the guard: the guard has the system send it SIGTERM when that
// program dies, killed or not, and starts nothing if it has already died.
// Its own exit mirrors the program's: the same exit code, or the same signal.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const int EndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The processes whose parent is the guard. A process orphaned below comes to
// the guard without a word, so its children are read from the system's list.
std::vector<pid_t> children()
{
    std::vector<pid_t> found;
    DIR *proc = opendir("/proc");
    if (!proc)
        return found;
    const pid_t self = getpid();
    while (const dirent *entry = readdir(proc)) {
        char *end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (pid <= 0 || *end != '\0')
            continue;
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        if (!std::getline(stat, line))
            continue;
        // "pid (command) state ppid ...": the command may hold spaces and
        // parentheses, the last ")" ends it.
        const std::size_t close = line.rfind(')');
        if (close == std::string::npos)
            continue;
        char state = 0;
        long parent = 0;
        if (std::sscanf(line.c_str() + close + 1, " %c %ld", &state, &parent) == 2 && parent == self)
            found.push_back(static_cast<pid_t>(pid));
    }
    closedir(proc);
    return found;
}

// Kills every process below the guard and waits until none is left: a killed
// process's children come to the guard and are killed in the next round.
void endEverything()
{
    for (;;) {
        for (const pid_t pid : children())
            kill(pid, SIGKILL);
        pid_t ended;
        while ((ended = waitpid(-1, nullptr, WNOHANG)) > 0) {
        }
        if (ended < 0 && errno == ECHILD)
            return;
        usleep(10000);
    }
}

// Ends the guard by the given signal, the way the program it ran ended or the
// way it was asked to end; the shell's code for that where the signal's
// default is to go on.
int endBy(int number)
{
    std::signal(number, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, number);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    std::raise(number);
    return 128 + number;
}

}

int main(int argc, char **argv)
{
    char *end = nullptr;
    const long parent = argc < 3 ? 0 : std::strtol(argv[1], &end, 10);
    if (parent <= 0 || *end != '\0') {
        std::fprintf(stderr, "usage: orlimo-guard PARENT PROGRAM [ARGUMENTS...]\n");
        return 2;
    }

    // Every signal the guard answers is taken from the queue by sigwaitinfo,
    // so none can come between the checks below and the wait.
    sigset_t waited;
    sigemptyset(&waited);
    sigaddset(&waited, SIGCHLD);
    for (const int ending : EndingSignals)
        sigaddset(&waited, ending);
    sigset_t previous;
    sigprocmask(SIG_BLOCK, &waited, &previous);
    // A parent that dies from here on sends the signal; one that died before
    // has left the guard to another parent.
    if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != parent)
        return 127;
    if (prctl(PR_SET_CHILD_SUBREAPER, 1) != 0) {
        std::perror("orlimo-guard: subreaper");
        return 127;
    }

    const pid_t guard = getpid();
    const pid_t program = fork();
    if (program < 0) {
        std::perror("orlimo-guard: fork");
        return 127;
    }
    if (program == 0) {
        // A guard that is itself killed takes the program with it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != guard)
            _exit(127);
        sigprocmask(SIG_SETMASK, &previous, nullptr);
        execvp(argv[2], argv + 2);
        std::fprintf(stderr, "orlimo-guard: cannot run %s: %s\n", argv[2], std::strerror(errno));
        _exit(127);
    }

    for (;;) {
        siginfo_t info;
        const int received = sigwaitinfo(&waited, &info);
        if (received < 0)
            continue;
        if (received != SIGCHLD) {
            endEverything();
            return endBy(received);
        }
        int status = 0;
        bool programEnded = false;
        pid_t ended;
        while ((ended = waitpid(-1, &status, WNOHANG)) > 0) {
            if (ended == program) {
                programEnded = true;
                break;
            }
        }
        if (!programEnded)
            continue;
        endEverything();
        if (WIFSIGNALED(status))
            return endBy(WTERMSIG(status));
        return WEXITSTATUS(status);
    }
}
