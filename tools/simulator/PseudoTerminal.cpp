#include "PseudoTerminal.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal(QObject *parent)
    : QObject(parent)
{
}

PseudoTerminal::~PseudoTerminal()
{
    if (!link.isEmpty())
        QFile::remove(link);
    if (slaveFd >= 0)
        ::close(slaveFd);
    if (masterFd >= 0)
        ::close(masterFd);
}

bool PseudoTerminal::open()
{
    masterFd = posix_openpt(O_RDWR | O_NOCTTY);
    if (masterFd < 0 || grantpt(masterFd) != 0 || unlockpt(masterFd) != 0)
        return false;
    char name[128];
    if (ptsname_r(masterFd, name, sizeof name) != 0)
        return false;
    slave = QString::fromLocal8Bit(name);
    slaveFd = ::open(name, O_RDWR | O_NOCTTY);
    if (slaveFd < 0)
        return false;
    termios settings;
    tcgetattr(slaveFd, &settings);
    cfmakeraw(&settings);
    tcsetattr(slaveFd, TCSANOW, &settings);
    fcntl(masterFd, F_SETFL, fcntl(masterFd, F_GETFL) | O_NONBLOCK);

    readNotifier = new QSocketNotifier(masterFd, QSocketNotifier::Read, this);
    connect(readNotifier, &QSocketNotifier::activated, this, &PseudoTerminal::readMaster);
    writeNotifier = new QSocketNotifier(masterFd, QSocketNotifier::Write, this);
    writeNotifier->setEnabled(false);
    connect(writeNotifier, &QSocketNotifier::activated, this, &PseudoTerminal::flush);
    return true;
}

QString PseudoTerminal::slavePath() const
{
    return slave;
}

bool PseudoTerminal::announce(const QString &folder, const QString &name)
{
    if (!QDir().mkpath(folder))
        return false;
    const QString path = QDir(folder).absoluteFilePath(name);
    QFile::remove(path);
    if (!QFile::link(slave, path))
        return false;
    link = path;
    return true;
}

QString PseudoTerminal::announcedPath() const
{
    return link;
}

void PseudoTerminal::write(const QByteArray &bytes)
{
    if (masterFd < 0)
        return;
    pending.append(bytes);
    flush();
}

void PseudoTerminal::readMaster()
{
    QByteArray received;
    char chunk[4096];
    for (;;) {
        const ssize_t count = ::read(masterFd, chunk, sizeof chunk);
        if (count <= 0)
            break;
        received.append(chunk, int(count));
    }
    if (!received.isEmpty())
        emit bytesReceived(received);
}

void PseudoTerminal::flush()
{
    while (!pending.isEmpty()) {
        const ssize_t count = ::write(masterFd, pending.constData(), size_t(pending.size()));
        if (count <= 0)
            break;
        pending.remove(0, int(count));
    }
    writeNotifier->setEnabled(!pending.isEmpty());
}
