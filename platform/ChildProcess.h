#ifndef CHILDPROCESS_H
#define CHILDPROCESS_H

#include <QByteArray>
#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QSocketNotifier;

// A process that ends, with everything it started, as soon as the program
// that started it ends, however that happens: a killed program must not leave
// a keyboard window on the screen, the bus it talks over, or a service that
// bus was starting, with nobody to serve. Each one runs under a guard process
// (orlimo-guard) that the system ends with the program, and the guard ends
// the whole tree below it.
//
// The program itself is never forked. A forked copy holds everything the
// program has open, the instrument's port among it, and a copy that waits on
// its parent for anything waits forever once the parent is killed. The guard
// is spawned, which returns once the guard runs; the guard then makes sure
// the program is still there before it starts anything.
//
// The guard takes the end of the thread that started it for the program's
// end: start processes from the thread that lives as long as the program.
class ChildProcess : public QObject
{
    Q_OBJECT
public:
    explicit ChildProcess(QObject *parent);
    ~ChildProcess() override;

    // The environment of the processes started from now on; the program's
    // own until set.
    void setEnvironment(const QProcessEnvironment &environment);
    // Whether the process's standard output comes to lineRead; otherwise it
    // shares the program's own.
    void setReadsOutput(bool reads);

    // Starts program under the guard. False when the guard could not be
    // started, or while the process started before still runs. A program the
    // guard cannot run ends at once.
    bool start(const QString &program, const QStringList &arguments);

    // Ends the process and everything below it, and waits for that. Killing
    // the guard instead would leave the tree to itself.
    void stop();

    bool isRunning() const;

signals:
    // A whole line of the process's output, without its line end.
    void lineRead(const QByteArray &line);
    // The process has ended, and all its output has come.
    void finished();

private:
    void readOutput();
    void collectEnd();
    void finish();
    void release();

    QProcessEnvironment environment;
    bool environmentSet;
    bool readsOutput;
    qint64 processId;
    int endDescriptor;
    int outputDescriptor;
    QSocketNotifier *endNotifier;
    QSocketNotifier *outputNotifier;
    QByteArray partialLine;
};

#endif
