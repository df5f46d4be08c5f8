#include "NetworkInterface.h"

NetworkInterface::NetworkInterface(QObject *parent)
    : QObject(parent)
{
}
