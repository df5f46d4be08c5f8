#pragma once

#include "NetworkModel.h"

#include <QList>
#include <QObject>
#include <QTimer>

// Fetches a measured profile package by package, asking again for the
// expected package whenever the unit keeps quiet for a while.
class ProfileFetcher : public QObject
{
    Q_OBJECT

public:
    explicit ProfileFetcher(NetworkModel *model)
        : model(model)
    {
        retry.setInterval(150);
        connect(&retry, &QTimer::timeout, this, [this] {
            request();
        });
        connect(model, &NetworkModel::measurementCompletedRecved, this, [this](quint32 total, uchar, quint16) {
            totalNumber = int(total);
            samples.clear();
            expected = 0;
            request();
            retry.start();
        });
        connect(model, &NetworkModel::dataRecved, this, [this](const QList<double> &package, int number) {
            if (number != expected)
                return;
            samples += package.mid(0, totalNumber - samples.size());
            ++expected;
            if (complete())
                retry.stop();
            else
                request();
        });
    }

    bool complete() const { return totalNumber > 0 && samples.size() == totalNumber; }

    QList<double> samples;
    int totalNumber = 0;

private:
    void request() { model->sendGetOnePacket(quint16(expected)); }

    NetworkModel *model;
    QTimer retry;
    int expected = 0;
};
