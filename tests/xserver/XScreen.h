#pragma once

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QStringList>
#include <QTest>

#include <functional>

// What the X server shows and real input events sent to it from outside the
// program, the way a touch panel's taps arrive: no window manager and no
// compositor stand between them and the windows.
namespace XScreen {

inline QImage grab()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

// The screen once two grabs half a second apart agree and busy() no longer
// holds (start-up painting, a notice still shown), or as it is at timeoutMs.
inline QImage steadyScreen(
    int timeoutMs, const std::function<bool()> &busy = [] {
        return false;
    })
{
    QImage current = grab();
    QImage previous;
    QElapsedTimer waited;
    waited.start();
    do {
        previous = current;
        QTest::qWait(500);
        current = grab();
    } while ((busy() || current != previous) && waited.elapsed() < timeoutMs);
    return current;
}

inline bool xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start("xdotool", arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Whether a program started from outside shows a window yet.
inline bool showsWindow(qint64 pid)
{
    return xdotool({"search", "--onlyvisible", "--pid", QString::number(pid)});
}

inline bool tap(const QPoint &point)
{
    return xdotool({"mousemove", "--sync", QString::number(point.x()), QString::number(point.y()), "click", "1"});
}

// Share of the points of a 20-pixel grid outside skip (and inside the screen)
// where test(before, after) holds.
inline double shareOfGrid(const QImage &before, const QImage &after, const QRect &skip,
                          const std::function<bool(QRgb, QRgb)> &test)
{
    int points = 0;
    int hits = 0;
    for (int y = 10; y < before.height(); y += 20) {
        for (int x = 10; x < before.width(); x += 20) {
            if (skip.contains(x, y))
                continue;
            ++points;
            hits += test(before.pixel(x, y), after.pixel(x, y));
        }
    }
    return points ? double(hits) / points : 0.0;
}

// The window's colours at 70 %: a 30 % black layer painted over them, which a
// missing compositor cannot turn into solid black.
inline bool isDimmed(QRgb before, QRgb after)
{
    const auto near = [](int seen, int behind) {
        return qAbs(seen - behind * 0.7) <= 4;
    };
    return near(qRed(after), qRed(before)) && near(qGreen(after), qGreen(before)) && near(qBlue(after), qBlue(before));
}

inline bool isUnchanged(QRgb before, QRgb after)
{
    return before == after;
}

// Whether two grabs show the same screen but for a few points: a live
// reading (a gauge, the link's state) or a field's blinking cursor may change
// between them.
inline bool isNearlySame(const QImage &before, const QImage &after)
{
    return shareOfGrid(before, after, QRect(), isUnchanged) > 0.98;
}

// The screen once two grabs in a row, a short pause apart, both show what
// shows() looks for and nearly agree, or a null image at timeoutMs. Checks
// after the wait act on the grab it accepted: a later grab may catch the
// screen between two paints.
inline QImage awaitScreen(int timeoutMs, const std::function<bool(const QImage &)> &shows)
{
    QImage previous;
    QElapsedTimer waited;
    waited.start();
    do {
        const QImage current = grab();
        if (!shows(current))
            previous = QImage();
        else if (!previous.isNull() && isNearlySame(previous, current))
            return current;
        else
            previous = current;
        QTest::qWait(200);
    } while (waited.elapsed() < timeoutMs);
    return QImage();
}

// The screen as it was before a dialog opened.
inline bool isBack(const QImage &before)
{
    return isNearlySame(before, grab());
}

// Whether everything around a dialog's card shows the window behind at 70 %.
inline bool isDimmedAround(const QImage &before, const QImage &screen, const QRect &card)
{
    return shareOfGrid(before, screen, card.adjusted(-2, -2, 2, 2), isDimmed) > 0.98;
}

inline bool isWhite(QRgb pixel)
{
    return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 255;
}

// The white card whose left margin runs through column x at height y: the
// rows where that column is white.
inline QRect whiteColumn(const QImage &screen, int x, int y, int width)
{
    if (!isWhite(screen.pixel(x, y)))
        return QRect();
    int top = y;
    int bottom = y;
    while (top > 0 && isWhite(screen.pixel(x, top - 1)))
        --top;
    while (bottom + 1 < screen.height() && isWhite(screen.pixel(x, bottom + 1)))
        ++bottom;
    return QRect(x, top, width, bottom - top + 1);
}

}
