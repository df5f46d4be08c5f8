#!/usr/bin/python3
"""Renders the program's images from the Tabler icon SVGs kept in resources/tabler.

Each row of IMAGES recolours one SVG and renders it with rsvg-convert to the
path under which the program loads it. The PNGs are committed, so building the
program needs neither this script nor rsvg-convert; run it again after adding
a row:  python3 tools/make_images.py
"""
import pathlib
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
TABLER = ROOT / "resources" / "tabler"

# (name, svg below resources/tabler, colour, (width, height), output path)
IMAGES = [
    ("arrow-bottom", "outline/chevron-down.svg", "#5F6368", (30, 30),
     "lib/controllib/base/combobox/image/arrow-bottom.png"),
    ("arrow-top", "outline/chevron-up.svg", "#5F6368", (30, 30),
     "lib/controllib/base/combobox/image/arrow-top.png"),
    ("checkbox1", "filled/square-check.svg", "#7719AA", (30, 30),
     "lib/controllib/base/checkbox/image/checkbox1.png"),
    ("checkbox2", "outline/square.svg", "#9E9E9E", (30, 30),
     "lib/controllib/base/checkbox/image/checkbox2.png"),
    ("search", "outline/search.svg", "#5F6368", (50, 50),
     "lib/controllib/composite/searchbox/image/search.png"),
    ("config", "outline/adjustments-horizontal.svg", "#7719AA", (60, 60),
     "resources/image/measurepage/config.png"),
    ("paralist", "outline/list-details.svg", "#7719AA", (60, 60),
     "resources/image/measurepage/paralist.png"),
    ("filelist", "outline/files.svg", "#7719AA", (60, 60),
     "resources/image/measurepage/filelist.png"),
    ("savedata", "outline/device-floppy.svg", "#7719AA", (96, 96),
     "resources/image/measurepage/savedata.png"),
    ("calibration", "outline/ruler-measure.svg", "#7719AA", (96, 96),
     "resources/image/measurepage/calibration.png"),
    ("startmeasure", "filled/player-play.svg", "#7719AA", (96, 96),
     "resources/image/measurepage/startmeasure.png"),
    ("stopmeasure", "filled/player-stop.svg", "#7719AA", (96, 96),
     "resources/image/measurepage/stopmeasure.png"),
]


def render(svg, colour, size, output):
    text = (TABLER / svg).read_text(encoding="utf-8").replace("currentColor", colour)
    target = ROOT / output
    target.parent.mkdir(parents=True, exist_ok=True)
    with tempfile.NamedTemporaryFile("w", suffix=".svg", encoding="utf-8") as recoloured:
        recoloured.write(text)
        recoloured.flush()
        subprocess.run(["rsvg-convert", "-w", str(size[0]), "-h", str(size[1]), "-o", str(target),
                        recoloured.name], check=True)


def main():
    for name, svg, colour, size, output in IMAGES:
        render(svg, colour, size, output)
        print(f"{name}: {output}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
