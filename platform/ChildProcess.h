#ifndef CHILDPROCESS_H
#define CHILDPROCESS_H

#include <QProcess>
#include <QString>
#include <QStringList>

// A process that ends, with everything it started, as soon as the program
// that started it ends, however that happens: a killed program must not leave
// a keyboard window on the screen, the bus it talks over, or a service that
// bus was starting, with nobody to serve. Each one runs under a guard process
// (orlimo-guard) that the system ends with the program, and the guard ends
// the whole tree below it.
class ChildProcess : public QProcess
{
public:
    explicit ChildProcess(QObject *parent);

    // Starts program under the guard. Hides QProcess's start, so that nothing
    // started through a ChildProcess runs unguarded.
    void start(const QString &program, const QStringList &arguments);

    // Ends the process and everything below it, and waits for that. Killing
    // the guard instead would leave the tree to itself.
    void stop();

protected:
    void setupChildProcess() override;

private:
    const qint64 parentId;
};

#endif
