#!/usr/bin/python3
"""Builds resources/iconfont/iconfont.ttf from the Tabler icon SVGs kept in resources/tabler.

Filled icons are taken as they are: the SVG path goes through Cu2QuPen into
TTGlyphPen with the y axis flipped. Outline icons are strokes, which a font
cannot hold, so their centre lines are flattened and every segment becomes a
filled bar with a round disc at each point: round caps and joins of the
stroke width. The pieces overlap; the non-zero fill rule unites them.
The font is committed, so the build does not need this script:
  /usr/bin/python3 tools/make_iconfont.py
"""
import math
import pathlib
import sys
import xml.etree.ElementTree as ET

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.basePen import BasePen
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.svgLib.path import SVGPath

ROOT = pathlib.Path(__file__).resolve().parent.parent
TABLER = ROOT / "resources" / "tabler"
OUTPUT = ROOT / "resources" / "iconfont" / "iconfont.ttf"
FAMILY = "Orlimo Icons"

UNITS_PER_EM = 1000
ASCENT = 880
DESCENT = -120
SVG_SIZE = 24.0
SCALE = UNITS_PER_EM / SVG_SIZE
CURVE_STEPS = 16
DISC_POINTS = 16

# (glyph name, code point, svg below resources/tabler)
GLYPHS = [
    ("file", 0xEC17, "filled/file.svg"),
    ("back", 0xE609, "outline/arrow-left.svg"),
    ("menu", 0xE624, "outline/menu-2.svg"),
    ("add0", 0xE600, "outline/plus.svg"),
    ("delete", 0xE74B, "filled/trash.svg"),
    ("add1", 0xEB89, "filled/circle-plus.svg"),
    ("rename", 0xE601, "filled/pencil.svg"),
    ("general", 0xE65B, "filled/settings.svg"),
    ("about", 0xE60B, "filled/info-circle.svg"),
    ("suspend", 0xE650, "filled/player-pause.svg"),
    ("play1", 0xE87C, "filled/player-play.svg"),
    ("enlarge", 0xE604, "outline/zoom-in.svg"),
    ("recovery", 0xE86D, "outline/restore.svg"),
    ("save", 0xE636, "outline/device-floppy.svg"),
    ("play2", 0xE622, "filled/circle-caret-right.svg"),
    ("wifi0", 0xE60A, "outline/wifi-off.svg"),
    ("wifi1", 0xE60C, "outline/wifi.svg"),
    ("shutdown", 0xECA1, "outline/power.svg"),
    ("maximize", 0xE695, "outline/square.svg"),
    ("close0", 0xE723, "outline/x.svg"),
    ("close1", 0xECA0, "filled/circle-x.svg"),
    ("minimize", 0xE65A, "outline/minus.svg"),
]

SVG_NS = "{http://www.w3.org/2000/svg}"


def font_point(x, y):
    return (round(x * SCALE), round(ASCENT - y * SCALE))


class PolylinePen(BasePen):
    """Collects the flattened centre lines of a drawing in SVG coordinates."""

    def __init__(self):
        super().__init__(None)
        self.lines = []

    def _moveTo(self, pt):
        self.lines.append([pt])

    def _lineTo(self, pt):
        self.lines[-1].append(pt)

    def _curveToOne(self, p1, p2, p3):
        p0 = self._getCurrentPoint()
        for i in range(1, CURVE_STEPS + 1):
            t = i / CURVE_STEPS
            u = 1 - t
            self.lines[-1].append((
                u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0],
                u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]))

    def _qCurveToOne(self, p1, p2):
        p0 = self._getCurrentPoint()
        for i in range(1, CURVE_STEPS + 1):
            t = i / CURVE_STEPS
            u = 1 - t
            self.lines[-1].append((u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0],
                                   u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1]))

    def _closePath(self):
        self.lines[-1].append(self.lines[-1][0])


def draw_polygon(pen, points):
    """Draws a closed contour given in SVG coordinates, clockwise in font coordinates."""
    converted = [font_point(x, y) for x, y in points]
    area = sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(converted, converted[1:] + converted[:1]))
    if area > 0:
        converted.reverse()
    pen.moveTo(converted[0])
    for point in converted[1:]:
        pen.lineTo(point)
    pen.closePath()


def draw_stroke(pen, lines, width):
    half = width / 2
    for line in lines:
        for (x, y) in line:
            draw_polygon(pen, [(x + half * math.cos(2 * math.pi * i / DISC_POINTS),
                                y + half * math.sin(2 * math.pi * i / DISC_POINTS)) for i in range(DISC_POINTS)])
        for (x1, y1), (x2, y2) in zip(line, line[1:]):
            length = math.hypot(x2 - x1, y2 - y1)
            if length < 1e-6:
                continue
            nx, ny = -(y2 - y1) / length * half, (x2 - x1) / length * half
            draw_polygon(pen, [(x1 + nx, y1 + ny), (x2 + nx, y2 + ny), (x2 - nx, y2 - ny), (x1 - nx, y1 - ny)])


def visible_shapes(root, filled):
    """The drawing elements of an icon, without the invisible 24x24 frame."""
    for element in root.iter():
        if element.tag == SVG_NS + "svg":
            continue
        if element.get("stroke") == "none" and element.get("fill") == "none":
            continue
        if not filled and element.get("stroke") == "none":
            continue
        yield element


def single_shape_svg(element):
    copy = ET.Element(SVG_NS + "svg")
    copy.append(element)
    return ET.tostring(copy, encoding="unicode")


def build_glyph(svg):
    root = ET.parse(TABLER / svg).getroot()
    filled = svg.startswith("filled/")
    pen = TTGlyphPen(None)
    if filled:
        flip = TransformPen(Cu2QuPen(pen, max_err=1.0, reverse_direction=True), (SCALE, 0, 0, -SCALE, 0, ASCENT))
        for element in visible_shapes(root, True):
            SVGPath.fromstring(single_shape_svg(element)).draw(flip)
    else:
        width = float(root.get("stroke-width", "2"))
        for element in visible_shapes(root, False):
            lines = PolylinePen()
            SVGPath.fromstring(single_shape_svg(element)).draw(lines)
            draw_stroke(pen, lines.lines, width)
    return pen.glyph()


def main():
    order = [".notdef"] + [name for name, _, _ in GLYPHS]
    glyphs = {".notdef": TTGlyphPen(None).glyph()}
    cmap = {}
    for name, code_point, svg in GLYPHS:
        glyphs[name] = build_glyph(svg)
        cmap[code_point] = name
    builder = FontBuilder(UNITS_PER_EM, isTTF=True)
    builder.setupGlyphOrder(order)
    builder.setupCharacterMap(cmap)
    builder.setupGlyf(glyphs)
    glyf = builder.font["glyf"]
    metrics = {}
    for name in order:
        glyf[name].recalcBounds(glyf)
        metrics[name] = (UNITS_PER_EM, getattr(glyf[name], "xMin", 0))
    builder.setupHorizontalMetrics(metrics)
    builder.setupHorizontalHeader(ascent=ASCENT, descent=DESCENT)
    builder.setupNameTable({"familyName": FAMILY, "styleName": "Regular"})
    builder.setupOS2(sTypoAscender=ASCENT, sTypoDescender=DESCENT, usWinAscent=ASCENT, usWinDescent=-DESCENT)
    builder.setupPost()
    OUTPUT.parent.mkdir(parents=True, exist_ok=True)
    builder.save(str(OUTPUT))
    print(f"{len(GLYPHS)} glyphs: {OUTPUT.relative_to(ROOT)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
