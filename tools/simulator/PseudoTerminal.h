#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// The master side of a pseudo-terminal: the host opens the slave side as if
// it were the drive unit's serial port. The pseudo-terminal can be announced
// as a link in a folder, which the host's port list reads.
class PseudoTerminal : public QObject
{
    Q_OBJECT

public:
    explicit PseudoTerminal(QObject *parent = nullptr);
    ~PseudoTerminal() override;

    bool open();
    QString slavePath() const;

    // Creates the link folder/name to the slave side; the link goes with
    // this object.
    bool announce(const QString &folder, const QString &name);
    QString announcedPath() const;

    void write(const QByteArray &bytes);

signals:
    void bytesReceived(QByteArray bytes);

private:
    void readMaster();
    void flush();

    int masterFd = -1;
    // Held open so the terminal keeps its raw settings and the master never
    // reads an end of file between two openings by the host.
    int slaveFd = -1;
    QString slave;
    QString link;
    QByteArray pending;
    QSocketNotifier *readNotifier = nullptr;
    QSocketNotifier *writeNotifier = nullptr;
};
