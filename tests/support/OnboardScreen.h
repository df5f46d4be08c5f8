#pragma once

#include <QPoint>
#include <QPointF>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>

#include <optional>

// The on-screen keyboard as the X server shows it, read from outside with
// xdotool, and its keys by their place in its window, which is the same
// whatever size the window has.
namespace OnboardScreen {

inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// One reading: the keyboard's main window, or an empty rectangle while none
// is shown; its other, tiny windows are never the biggest.
inline QRect reading()
{
    QRect biggest;
    const QStringList ids = run("xdotool", {"search", "--onlyvisible", "--name", "^Onboard$"}).split('\n');
    for (const QString &id : ids) {
        if (id.isEmpty())
            continue;
        QRect area;
        for (const QString &line : run("xdotool", {"getwindowgeometry", "--shell", id}).split('\n')) {
            const QString value = line.section('=', 1);
            if (line.startsWith("X="))
                area.moveLeft(value.toInt());
            else if (line.startsWith("Y="))
                area.moveTop(value.toInt());
            else if (line.startsWith("WIDTH="))
                area.setWidth(value.toInt());
            else if (line.startsWith("HEIGHT="))
                area.setHeight(value.toInt());
        }
        if (area.width() * area.height() > biggest.width() * biggest.height())
            biggest = area;
    }
    return biggest;
}

// While it comes up or goes the keyboard can unmap its window for a moment:
// a reading counts only when the next one, a little later, agrees with it.
// Empty when they differ; an empty rectangle inside when none is shown.
inline std::optional<QRect> settled()
{
    const QRect first = reading();
    QTest::qWait(150);
    const QRect second = reading();
    if (first != second)
        return std::nullopt;
    return first;
}

inline QPoint key(const QRect &keyboard, const QPointF &place)
{
    return keyboard.topLeft() + QPoint(qRound(keyboard.width() * place.x()), qRound(keyboard.height() * place.y()));
}

const QPointF KeyQ(0.131, 0.31);
const QPointF KeyW(0.191, 0.31);
const QPointF KeyE(0.252, 0.31);
const QPointF HideKey(0.953, 0.12);

}
