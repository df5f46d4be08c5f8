#pragma once

#include <QVector>
#include <QtGlobal>

// A measured surface in raw instrument counts: a tilted form, a long-wave
// waviness, a short-wave roughness and sensor noise. The same seed gives the
// same surface.
QVector<double> generateProfile(int count, quint32 seed);
