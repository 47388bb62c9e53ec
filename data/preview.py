#!/usr/bin/env python3
"""Draw scenes of a generated game folder to PNG files, the way the engine composes a frame.

    python3 data/preview.py GAMEDIR OUTDIR [SCENE ...] [--debug] [--hidden] [--say=OBJECT:TEXT,...]
        [--panel=TEXT1,TEXT2,TEXT3] [--french]

Objects of the scene and of the character's scene are drawn in depth order (ptCoord.y + ptHotSpot.y)
with magenta transparent. --debug also outlines walk zones (green), clickable boxes (yellow),
exits (red) and hot spots; --hidden draws hidden objects too. --say draws texts boxed at their
objects' text offsets, --panel the open panel with three dialogue answers.
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from gen import font, tools  # noqa: E402
from tests.datfile import read_dat  # noqa: E402


def text_ops(game, font_res, text, x0, y0, boxed):
    """Convert arguments drawing a text as the engine does (glyph advance = picture width)."""
    glyphs = []
    cx, cy, maxx, bottom = x0, y0, x0, y0
    for b in text.encode("latin-1"):
        if b == ord("/"):
            cx, cy = x0, cy + 25
            continue
        p = font_res.get("filePath%d" % b)
        if not p:
            continue
        f = os.path.join(game, p.replace("\\", "/"))
        w, h = font.bmp_size(f)
        glyphs += ["(", f, "-transparent", "#FF00FF", ")", "-geometry", "%+d%+d" % (cx, cy), "-composite"]
        cx += w
        maxx, bottom = max(maxx, cx), cy + h
    box = ["-stroke", "black", "-fill", "white", "-draw", "rectangle %d,%d %d,%d" % (x0, y0, maxx - 1, bottom - 1)]
    return (box if boxed else []) + ["-stroke", "none"] + glyphs


def draw_scene(game, scene, out_png, debug=False, hidden=False, says=(), panel=(), french=False):
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
    lang = "textBuf" if french else "textBufEng"
    if panel:
        bar = [o for o in dat["objects"] if o["Name"] == "ObjectId_Bureau_droit"][0]
        args += ["(", os.path.join(game, res[bar["ResAnimName"]]["filePath"].replace("\\", "/")), ")",
                 "-geometry", "+%s+%s" % (bar["ptCoord.x"], bar["ptCoord.y"]), "-composite"]
        for k, name in enumerate(panel, 1):
            o = [o for o in dat["objects"] if o["Name"] == "O_paneau_select_%d" % k][0]
            f = os.path.join(game, res[o["ResAnimName"]]["filePath"].replace("\\", "/"))
            x, y = int(o["ptCoord.x"]), int(o["ptCoord.y"])
            args += ["(", f, "-transparent", "#FF00FF", ")", "-geometry", "%+d%+d" % (x, y), "-composite"]
            args += text_ops(game, res["ResId_Ascii"], res[name][lang], x + int(o["ptText.x"]),
                             y + int(o["ptText.y"]), False)
    for who, name in says:
        o = [o for o in dat["objects"] if o["Name"] == who][0]
        args += text_ops(game, res["ResId_Ascii"], res[name][lang], int(o["ptCoord.x"]) + int(o["ptText.x"]),
                         int(o["ptCoord.y"]) + int(o["ptText.y"]), True)
    tools.run(args + boxes + [out_png])


def main(argv):
    flags = {a.split("=")[0]: a.partition("=")[2] for a in argv[1:] if a.startswith("--")}
    says = [tuple(s.split(":")) for s in flags.get("--say", "").split(",") if s]
    panel = [s for s in flags.get("--panel", "").split(",") if s]
    rest = [a for a in argv[1:] if not a.startswith("--")]
    if len(rest) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    game, out = rest[0], rest[1]
    os.makedirs(out, exist_ok=True)
    scenes = rest[2:] or [s["Name"] for s in read_dat(os.path.join(game, "vorlane.dat"))["scenes"]]
    for s in scenes:
        draw_scene(game, s, os.path.join(out, s + ".png"), "--debug" in flags, "--hidden" in flags,
                   says, panel, "--french" in flags)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
