#!/usr/bin/env python3
"""Checks of the generated game folder.

    python3 data/tests/test_data.py [GAMEDIR]

Without GAMEDIR the generator is run into a temporary folder (twice: the second run must rewrite
nothing). Prints one line per failed check and ends with 'N passed, N failed'.
"""
import os
import re
import struct
import subprocess
import sys
import tempfile
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.dirname(HERE)
sys.path.insert(0, DATA)

from tests.datfile import read_dat, read_sections  # noqa: E402

SPECIAL_SCENES = {"SceneId_Perso", "SceneId_Panneau", "S_Dialogue"}
# Ways between scenes that the game's scripts open (the lift, the sorcerer, the fisherman).
SCRIPTED_WAYS = [("SceneId_Hall", "S_balcon"), ("SceneId_Hall", "S_chambre"), ("SceneId_Hall", "SceneId_Toit"),
                 ("S_balcon", "SceneId_Hall"), ("S_chambre", "SceneId_Hall"), ("SceneId_Toit", "SceneId_Hall"),
                 ("S_Village", "S_PC"), ("S_Falaise", "SceneId_Atelier")]
MAGENTA = b"\xff\x00\xff"
ANSWER_ID = re.compile(r"^RT_D_.+_\d+[a-z]?_\d+[a-z]?$")
TEXT_CHARS = 40      # characters per line of a spoken text
ANSWER_LINES = 3


class Checks:
    def __init__(self, game):
        self.game = game
        self.dat_path = os.path.join(game, "vorlane.dat")
        self.dat = read_dat(self.dat_path)
        self.res = {r["Name"]: r for r in self.dat["resources"]}
        self.obj = {o["Name"]: o for o in self.dat["objects"]}
        self.failures = []

    def fail(self, msg):
        self.failures.append(msg)

    def path(self, p):
        return os.path.join(self.game, p.replace("\\", "/"))

    # -- the configuration file ------------------------------------------------
    def check_layout(self):
        raw = open(self.dat_path, "rb").read()
        if b"\r" in raw:
            self.fail("vorlane.dat has CR characters")
        lines = raw.split(b"\n")
        if len(lines) >= 16000:
            self.fail("vorlane.dat has %d lines, the reader keeps 15999" % len(lines))
        for i, line in enumerate(lines, 1):
            if len(line) > 254:
                self.fail("vorlane.dat line %d has %d characters" % (i, len(line)))
            if b"[" in line and not (line.startswith(b"[") and line.endswith(b"]")):
                self.fail("vorlane.dat line %d: a '[' outside a header misleads the reader's section search" % i)
        sec = read_sections(self.dat_path)
        for kind, count, name in (("Scene", "NbScenes", "Scenes"), ("Objet", "NbObjets", "Objets"),
                                  ("Ressource", "NbRessources", "Ressources")):
            n = int(sec[name][count])
            have = sorted(int(s[len(kind):]) for s in sec if s.startswith(kind) and s[len(kind):].isdigit())
            if have != list(range(1, n + 1)):
                self.fail("%s=%d but sections %s%s..%s" % (count, n, kind, have[:1], have[-1:]))
        if lines[:2] != [b"", b"[Scenes]"]:
            self.fail("vorlane.dat does not start with an empty line and [Scenes]")

    def check_reader_agrees(self):
        """The engine's substring lookups must find each key on its own line."""
        sec = read_sections(self.dat_path)
        for i, o in enumerate(self.dat["objects"], 1):
            plain = sec["Objet%d" % i]
            for k, v in o.items():
                if str(plain.get(k, "")).strip() != v and not (k == "ptText.y" and plain.get(k) == "0"):
                    self.fail("Objet%d (%s): reader gets %s=%r, file says %r" % (i, o["Name"], k, v, plain.get(k)))
        for i, r in enumerate(self.dat["resources"], 1):
            plain = sec["Ressource%d" % i]
            for k, v in r.items():
                if str(plain.get(k)) != str(v):
                    self.fail("Ressource%d (%s): reader gets %s=%r, file says %r" % (i, r["Name"], k, v, plain.get(k)))

    def check_references(self):
        scenes = {s["Name"] for s in self.dat["scenes"]}
        names = [o["Name"] for o in self.dat["objects"]] + [r["Name"] for r in self.dat["resources"]]
        dups = {n for n in names if names.count(n) > 1}
        if dups:
            self.fail("names defined twice: %s" % sorted(dups))
        for o in self.dat["objects"]:
            n = o["Name"]
            if o["SceneName"] not in scenes:
                self.fail("%s: unknown scene %r" % (n, o["SceneName"]))
            for key, kinds in (("ResAnimName", ("Anim", "Bmp")), ("AffName", ("Text",))):
                if o[key] and self.res.get(o[key], {}).get("type") not in kinds:
                    self.fail("%s: %s %r is not a %s resource" % (n, key, o[key], "/".join(kinds)))
            if o["isClickable"] == "1" and o["SceneName"] not in SPECIAL_SCENES - {"SceneId_Panneau"} \
                    and not o["AffName"] and n != "ObjectId_Perso":
                self.fail("%s is clickable but has no label" % n)
            if o["isZoneDep"] == "1" and (o["ResAnimName"] or o["isClickable"] == "1"):
                self.fail("walk zone %s must be an invisible, unclickable box" % n)

    def check_exits(self):
        ways = {}
        for o in self.dat["objects"]:
            if o["SceneSuivantePoint"] and not o["SceneSuivanteName"]:
                p = self.obj.get(o["SceneSuivantePoint"])
                if p is None or p["ptCoord.x"] == "0" or p["ptCoord.y"] == "0":
                    self.fail("%s: arrival point %r is not placed" % (o["Name"], o["SceneSuivantePoint"]))
            if not o["SceneSuivanteName"]:
                continue
            p = self.obj.get(o["SceneSuivantePoint"])
            if p is None or p["SceneName"] != o["SceneSuivanteName"] or p["ptCoord.x"] == "0" or p["ptCoord.y"] == "0":
                self.fail("exit %s: arrival point %r is not a placed point of %s"
                          % (o["Name"], o["SceneSuivantePoint"], o["SceneSuivanteName"]))
            if o["isClickable"] != "1":
                self.fail("exit %s is not clickable" % o["Name"])
            ways.setdefault(o["SceneName"], set()).add(o["SceneSuivanteName"])
        for a, b in SCRIPTED_WAYS:
            ways.setdefault(a, set()).add(b)
        seen, todo = set(), ["SceneId_Depart"]
        while todo:
            s = todo.pop()
            if s not in seen:
                seen.add(s)
                todo += sorted(ways.get(s, ()))
        unreached = {s["Name"] for s in self.dat["scenes"]} - SPECIAL_SCENES - seen
        if unreached:
            self.fail("scenes nobody can reach: %s" % sorted(unreached))
        for s in seen - {"SceneId_Depart", "S_Demo"}:
            if not any(o["SceneName"] == s and o["isZoneDep"] == "1" for o in self.dat["objects"]):
                self.fail("scene %s has no walk zone" % s)

    # -- media ------------------------------------------------------------------
    def check_pictures(self):
        for r in self.dat["resources"]:
            paths = [r["filePath%d" % k] for k in range(r.get("nbAnim", 0))] if r["type"] == "Anim" else \
                [r["filePath"]] if r["type"] == "Bmp" else []
            for p in paths:
                if p:
                    self.check_bmp(r["Name"], self.path(p))

    def check_bmp(self, name, f):
        try:
            d = open(f, "rb").read()
        except OSError:
            self.fail("%s: missing picture %s" % (name, f))
            return
        if d[:2] != b"BM" or len(d) < 54:
            self.fail("%s: %s is not a BMP" % (name, f))
            return
        off, hsize, w, h, _, bpp, comp = struct.unpack("<I I i i H H I", d[10:34])
        if hsize != 40 or bpp != 24 or comp != 0:
            self.fail("%s: %s is not a plain 24-bit BMP" % (name, f))
            return
        stride = (w * 3 + 3) & ~3
        pixels = b"".join(d[off + y * stride: off + y * stride + w * 3] for y in range(abs(h)))
        for i in range(0, len(pixels), 3):
            b, g, r = pixels[i], pixels[i + 1], pixels[i + 2]
            if r > 200 and b > 200 and g < 90 and pixels[i:i + 3] != MAGENTA:
                self.fail("%s: %s has a pink, almost transparent pixel" % (name, f))
                return

    def check_font(self):
        font = self.res.get("ResId_Ascii")
        if not font or font.get("nbAnim") != 256:
            self.fail("ResId_Ascii must be an animation of 256 glyphs")
            return
        used = set()
        for r in self.dat["resources"]:
            if r["type"] == "Text":
                used |= set(r["textBuf"].encode("latin-1")) | set(r["textBufEng"].encode("latin-1"))
        heights = set()
        for b in sorted(used):
            p = font["filePath%d" % b]
            if not p:
                self.fail("the texts use byte %d, which has no glyph" % b)
                continue
            d = open(self.path(p), "rb").read(26)
            heights.add(struct.unpack("<i", d[22:26])[0])
        if len(heights) > 1:
            self.fail("glyphs have several heights: %s" % sorted(heights))

    def check_texts(self):
        for r in self.dat["resources"]:
            if r["type"] != "Text":
                continue
            answer = ANSWER_ID.match(r["Name"])
            for lang in ("textBuf", "textBufEng"):
                t = r[lang]
                if not t and r["Name"] != "RT_D_NULL":
                    self.fail("%s: empty %s" % (r["Name"], lang))
                lines = t.split("/")
                if any(not line.strip() for line in lines):
                    self.fail("%s: empty line in %r" % (r["Name"], t))
                if any(len(line) > TEXT_CHARS for line in lines):
                    self.fail("%s: a line is longer than %d characters: %r" % (r["Name"], TEXT_CHARS, t))
                if answer and len(lines) > ANSWER_LINES:
                    self.fail("%s: an answer of more than %d lines" % (r["Name"], ANSWER_LINES))

    def check_text_widths(self):
        """Answers fit on their sheet, every line fits on the screen (glyph advance = picture width)."""
        font = self.res.get("ResId_Ascii", {})
        widths = {}
        for b in range(256):
            p = font.get("filePath%d" % b)
            if p and os.path.exists(self.path(p)):
                widths[b] = struct.unpack("<i", open(self.path(p), "rb").read(22)[18:22])[0]
        sheet = self.obj.get("O_paneau_select_1")
        sheet_w = 0
        if sheet:
            r = self.res[sheet["ResAnimName"]]
            sheet_w = struct.unpack("<i", open(self.path(r["filePath"]), "rb").read(22)[18:22])[0] \
                - 2 * int(sheet["ptText.x"])
        for r in self.dat["resources"]:
            if r["type"] != "Text":
                continue
            limit = sheet_w if ANSWER_ID.match(r["Name"]) else 632
            for t in (r["textBuf"], r["textBufEng"]):
                w = max(sum(widths.get(b, 0) for b in line.encode("latin-1")) for line in t.split("/"))
                if w > limit:
                    self.fail("%s: a line %d pixels wide does not fit in %d: %r" % (r["Name"], w, limit, t))

    def check_sounds(self):
        for r in self.dat["resources"]:
            if r["type"] == "Wav":
                self.check_wav(r["Name"], self.path(r["filePath"]))
        for loose in ("RS_Prout", "RS_explosion"):
            self.check_wav(loose, os.path.join(self.game, loose))
        for track in ("cd/track01.mp3", "cd/track02.mp3"):
            f = os.path.join(self.game, track)
            head = open(f, "rb").read(3) if os.path.exists(f) else b""
            if not (head == b"ID3" or head[:2] in (b"\xff\xfb", b"\xff\xf3", b"\xff\xf2", b"\xff\xe3")) \
                    or os.path.getsize(f) < 100000:
                self.fail("%s is missing or not an MP3 track" % track)

    def check_wav(self, name, f):
        try:
            with wave.open(f) as w:
                if (w.getframerate(), w.getsampwidth()) != (22050, 2) or w.getnframes() < 1000:
                    self.fail("%s: %s is not a 22050 Hz 16-bit sound" % (name, f))
        except (OSError, EOFError, wave.Error):
            self.fail("%s: %s is missing or not a WAV file" % (name, f))

    def run(self):
        checks = [m for m in dir(self) if m.startswith("check_") and m not in ("check_bmp", "check_wav")]
        failed = 0
        for m in checks:
            before = len(self.failures)
            getattr(self, m)()
            if len(self.failures) > before:
                failed += 1
                for f in self.failures[before:before + 20]:
                    print("FAIL %s: %s" % (m, f))
        return len(checks) - failed, failed


def snapshot(folder):
    out = {}
    for root, _, files in os.walk(folder):
        for f in files:
            p = os.path.join(root, f)
            out[p] = os.stat(p).st_mtime_ns
    return out


def main(argv):
    passed = failed = 0
    if len(argv) > 1:
        game = argv[1]
    else:
        tmp = tempfile.mkdtemp(prefix="vorlane_data_")
        game = os.path.join(tmp, "game")
        gen = [sys.executable, os.path.join(DATA, "generate.py"), game]
        subprocess.run(gen, check=True, stdout=subprocess.DEVNULL)
        before = snapshot(game)
        subprocess.run(gen, check=True, stdout=subprocess.DEVNULL)
        after = snapshot(game)
        changed = [p for p in after if before.get(p) != after[p] and not p.endswith((".json", "vorlane.dat"))]
        if changed:
            print("FAIL incremental: a second run rewrote %s" % changed[:5])
            failed += 1
        else:
            passed += 1
    p, f = Checks(game).run()
    passed += p
    failed += f
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
