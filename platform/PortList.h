#pragma once

#include <QString>
#include <QStringList>

// The serial ports the program may talk to. Besides the ports the system
// lists, a drive-unit simulator announces its pseudo-terminal as a link in one
// fixed folder, because the system's list never shows pseudo-terminals.
namespace PortList {

// The folder where simulators place their links.
QString announceFolder();

// Points the look-up at another folder; tests use it to stay apart from a
// simulator that may be running on the machine.
void setAnnounceFolder(const QString &folder);

// Port names in the form QSerialPort::portName() reports them: the system's
// ports first, then the full paths of the announced links whose
// pseudo-terminal still exists.
QStringList availablePortNames();

}
