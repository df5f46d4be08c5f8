#ifndef CHILDPROCESS_H
#define CHILDPROCESS_H

#include <QProcess>

// A process that the system ends as soon as the program that started it ends,
// however that happens: a killed program must not leave a keyboard window on
// the screen, or the bus it talks over, with nobody to serve.
class ChildProcess : public QProcess
{
public:
    explicit ChildProcess(QObject *parent);

protected:
    void setupChildProcess() override;

private:
    const qint64 parentId;
};

#endif
