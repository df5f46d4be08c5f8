#pragma once

#include <QPoint>
#include <QPointF>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>

#include <optional>

// The on-screen keyboard as the X server shows it, read and tapped from
// outside with xdotool as a finger would.
namespace OnboardScreen {

const int TapTimeout = 8000;

// The program's output, or nothing when it failed: xdotool stops with an X
// error, and no output, when a window goes away while it looks at the
// windows, which says nothing about the keyboard.
inline std::optional<QString> run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        !process.readAllStandardError().isEmpty())
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

inline void tap(const QPoint &global)
{
    run("xdotool", {"mousemove", QString::number(global.x()), QString::number(global.y()), "click", "1"});
}

// The keyboard's main window, an empty rectangle while none is shown, or
// nothing when a look failed; its other, tiny windows are never the biggest.
inline std::optional<QRect> shownKeyboard()
{
    const std::optional<QString> ids = run("xdotool", {"search", "--onlyvisible", "--name", "^Onboard$"});
    if (!ids)
        return std::nullopt;
    QRect biggest;
    for (const QString &id : ids->split('\n', Qt::SkipEmptyParts)) {
        const std::optional<QString> geometry = run("xdotool", {"getwindowgeometry", "--shell", id});
        if (!geometry)
            return std::nullopt;
        QRect area;
        for (const QString &line : geometry->split('\n')) {
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

// The keyboard's place once two readings a short pause apart agree, an empty
// rectangle when both find it hidden, or nothing while it comes, goes or
// moves, or when a reading failed.
inline std::optional<QRect> settledKeyboard()
{
    const std::optional<QRect> first = shownKeyboard();
    if (!first)
        return std::nullopt;
    QTest::qWait(200);
    const std::optional<QRect> second = shownKeyboard();
    if (second != first)
        return std::nullopt;
    return second;
}

// Whether the keyboard is shown and settled, with its place in keyboard.
inline bool keyboardShown(QRect &keyboard)
{
    const std::optional<QRect> seen = settledKeyboard();
    if (!seen || seen->isEmpty())
        return false;
    keyboard = *seen;
    return true;
}

inline bool keyboardHidden()
{
    const std::optional<QRect> seen = settledKeyboard();
    return seen && seen->isEmpty();
}

// Keys by their place in the keyboard's window, which is the same whatever
// size the window has.
inline QPoint key(const QRect &keyboard, const QPointF &place)
{
    return keyboard.topLeft() + QPoint(qRound(keyboard.width() * place.x()), qRound(keyboard.height() * place.y()));
}

// A press on the keyboard can hold the pointer for a moment, a key tapped
// while the keyboard comes up can be lost, and a keyboard shown again while
// it is still hiding can hide once more: a finger would tap again, the field
// first if the keyboard is gone, and so does the test until the tap shows its
// effect.
template <typename Done> bool tapUntil(const QPoint &field, const QPointF *place, Done done)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        QRect keyboard;
        tap(place && keyboardShown(keyboard) ? key(keyboard, *place) : field);
        if (QTest::qWaitFor(done, TapTimeout))
            return true;
    }
    return false;
}

const QPointF KeyQ(0.131, 0.31);
const QPointF KeyW(0.191, 0.31);
const QPointF KeyE(0.252, 0.31);
const QPointF HideKey(0.953, 0.12);

}
