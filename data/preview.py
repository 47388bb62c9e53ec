#!/usr/bin/env python3
"""Draw scenes of a generated game folder to PNG files, the way the engine composes a frame.

    python3 data/preview.py GAMEDIR OUTDIR [SCENE ...] [--debug] [--hidden]

Objects of the scene and of the character's scene are drawn in depth order (ptCoord.y + ptHotSpot.y)
with magenta transparent. --debug also outlines walk zones (green), clickable boxes (yellow),
exits (red) and hot spots; --hidden draws hidden objects too.
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from gen import font, tools  # noqa: E402
from tests.datfile import read_dat  # noqa: E402


def draw_scene(game, scene, out_png, debug=False, hidden=False):
    dat = read_dat(os.path.join(game, "vorlane.dat"))
    res = {r["Name"]: r for r in dat["resources"]}
    objs = [o for o in dat["objects"]
            if o["SceneName"] in (scene, "SceneId_Perso") and (hidden or o["isAfficher"] != "0")]
    objs.sort(key=lambda o: int(o["ptCoord.y"]) + int(o["ptHotSpot.y"]))
    args = [tools.tool("convert"), "-size", "640x480", "xc:#FF00FF"]
    boxes = []
    for o in objs:
        x, y = int(o["ptCoord.x"]), int(o["ptCoord.y"])
        r = res.get(o["ResAnimName"])
        path = (r.get("filePath0") or r.get("filePath")) if r else None
        w, h = int(o["ptSize.x"]), int(o["ptSize.y"])
        if path:
            f = os.path.join(game, path.replace("\\", "/"))
            w, h = font.bmp_size(f)
            args += ["(", f, "-transparent", "#FF00FF", ")", "-geometry", "%+d%+d" % (x, y), "-composite"]
        if debug:
            colour = "red" if o["SceneSuivanteName"] else "green" if o["isZoneDep"] == "1" else \
                "yellow" if o["isClickable"] == "1" else None
            if colour:
                boxes += ["-stroke", colour, "-fill", "none", "-draw", "rectangle %d,%d %d,%d" % (x, y, x + w, y + h)]
            hx, hy = int(o["ptHotSpot.x"]), int(o["ptHotSpot.y"])
            if hx and hy and o["isClickable"] == "1":
                boxes += ["-stroke", "blue", "-fill", "blue", "-draw", "circle %d,%d %d,%d" % (x + hx, y + hy, x + hx + 3, y + hy)]
    tools.run(args + boxes + [out_png])


def main(argv):
    flags = {a for a in argv[1:] if a.startswith("--")}
    rest = [a for a in argv[1:] if not a.startswith("--")]
    if len(rest) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    game, out = rest[0], rest[1]
    os.makedirs(out, exist_ok=True)
    scenes = rest[2:] or [s["Name"] for s in read_dat(os.path.join(game, "vorlane.dat"))["scenes"]]
    for s in scenes:
        draw_scene(game, s, os.path.join(out, s + ".png"), "--debug" in flags, "--hidden" in flags)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
