#pragma once

#include <QFont>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QString>

#include <cmath>

// A paint device that keeps what is drawn on it: texts with their fonts and
// positions, polylines (lines and rectangle outlines arrive as polylines)
// and filled polygons, in device coordinates.
class RecordingEngine : public QPaintEngine
{
public:
    struct Text {
        QString text;
        int pixelSize;
        bool bold;
        QPointF position;
    };

    RecordingEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & QPaintEngine::DirtyFont)
            font = state.font();
        if (state.state() & QPaintEngine::DirtyTransform)
            transform = state.transform();
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        texts.append({item.text(), item.font().pixelSize(), item.font().bold(), transform.map(p)});
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        QPolygonF polygon;
        for (int i = 0; i < count; ++i) {
            polygon.append(transform.map(points[i]));
            finite = finite && std::isfinite(points[i].x()) && std::isfinite(points[i].y());
        }
        if (mode == PolylineMode)
            polylines.append(polygon);
        else
            polygons.append(polygon);
    }
    Type type() const override { return QPaintEngine::User; }

    QStringList textList() const
    {
        QStringList list;
        for (const Text &t : texts)
            list << t.text;
        return list;
    }
    const Text *find(const QString &text) const
    {
        for (const Text &t : texts) {
            if (t.text == text)
                return &t;
        }
        return nullptr;
    }

    QFont font;
    QTransform transform;
    QList<Text> texts;
    QList<QPolygonF> polylines;
    QList<QPolygonF> polygons;
    bool finite = true;
};

class RecordingDevice : public QPaintDevice
{
public:
    RecordingDevice(int width, int height)
        : w(width)
        , h(height)
    {
    }
    QPaintEngine *paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return w;
        case PdmHeight:
            return h;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
        case PdmDevicePixelRatioScaled:
            return metric == PdmDevicePixelRatio ? 1 : int(QPaintDevice::devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        default:
            return 0;
        }
    }
    mutable RecordingEngine engine;

private:
    int w;
    int h;
};
