#!/usr/bin/env python3
"""Generate the game's data set.

    python3 data/generate.py OUTDIR

writes OUTDIR/vorlane.dat, OUTDIR/images/**.bmp, OUTDIR/sounds/**.wav, the loose sound files
OUTDIR/RS_Prout and OUTDIR/RS_explosion, and OUTDIR/cd/track01.mp3, track02.mp3.
Outputs whose sources did not change are kept (OUTDIR/.generate_state.json remembers them).
"""
import concurrent.futures
import os
import shutil
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from gen import audio, font, music, pictures, tools, world as worldmod  # noqa: E402

# The scripts also play these two by path, so their resources name the loose
# files themselves: a compact delivery then packs them under those names.
LOOSE_SOUNDS = ("RS_Prout", "RS_explosion")
LAUNCH_SCRIPTS = ("go_fenetre.sh", "go_fullscreen.sh")
TRACKS = (("music/intro.txt", "cd/track01.mp3"), ("music/theme.txt", "cd/track02.mp3"))
HERO_TEXT = (-50, -62)                          # text offset of the player character
WORKERS = 2


def win(path):
    return path.replace("/", "\\")


def posix(path):
    return path.replace("\\", "/")


class Generator:
    def __init__(self, outdir):
        self.out = os.path.abspath(outdir)
        os.makedirs(self.out, exist_ok=True)
        self.cache = tools.BuildCache(self.out)
        self.tmp = tempfile.mkdtemp(prefix="vorlane_gen_")
        self.w = worldmod.World()
        self.art = pictures.Art(HERE)
        self.jobs = []   # (output rel path, signature, callable)

    def job(self, rel, sig, fn):
        if not self.cache.fresh(posix(rel), sig):
            self.jobs.append((posix(rel), sig, fn))

    def run_jobs(self, what):
        if not self.jobs:
            return
        print("generate: %d %s" % (len(self.jobs), what), flush=True)
        with concurrent.futures.ThreadPoolExecutor(WORKERS) as ex:
            futs = {ex.submit(fn): (rel, sig) for rel, sig, fn in self.jobs}
            for fut in concurrent.futures.as_completed(futs):
                rel, sig = futs[fut]
                fut.result()
                self.cache.done(rel, sig)
        self.jobs = []
        self.cache.save()

    # -- steps ------------------------------------------------------------
    def load(self):
        worldmod.load_world(os.path.join(HERE, "world.txt"), self.w)
        worldmod.load_texts(os.path.join(HERE, "texts.txt"), self.w)
        self.effects = audio.load_effects(os.path.join(HERE, "sounds", "effects.txt"))
        for name in self.effects:
            res = self.w.add_res(worldmod.Resource(name, "Wav"))
            res.path = name if name in LOOSE_SOUNDS else "sounds\\effets\\%s.wav" % name[3:].lower()

    def make_font(self):
        self.glyphs = font.build(self.out, self.cache)
        self.w.wrap_texts(lambda line: font.text_width(self.glyphs, line))
        res = self.w.add_res(worldmod.Resource("ResId_Ascii", "Anim"))
        res.files = [font.glyph_path(b) if b in self.glyphs else "" for b in range(256)]
        res.frames = [("", 0)] * 256

    def make_pictures(self):
        placed = {}
        for res in self.w.resources:
            if res.kind not in ("Anim", "Bmp") or res.files:
                continue
            for k, (spec, _) in enumerate(res.frames):
                if spec not in placed:
                    stem = res.stem + ("_%d" % (k + 1) if res.kind == "Anim" else "")
                    rel = "images\\%s\\%s.bmp" % (res.folder, stem)
                    placed[spec] = rel
                    svg = self.art.svg_for(spec)
                    sig = tools.digest("picture v1", svg)
                    target = os.path.join(self.out, posix(rel))
                    self.job(rel, sig, lambda s=svg, t=target: pictures.render(s, t, self.tmp))
                res.files.append(placed[spec])
        self.run_jobs("pictures")

    def picture_size(self, res_name):
        res = self.w.res_by_name.get(res_name)
        if not res or not res.files:
            return (0, 0)
        return font.bmp_size(os.path.join(self.out, posix(res.files[0])))

    def place_texts(self):
        """Put each speaker's text box above its head, on screen, for its widest text."""
        for o in self.w.objects:
            if o.name == "ObjectId_Perso":
                o.text = HERO_TEXT
            if not o.auto_text:
                continue
            names = self.w.speakers.get(o.name, [])
            if not names:
                raise SystemExit("object %s: text=auto but it says nothing" % o.name)
            tw, lines = 0, 1
            for n in names:
                r = self.w.res_by_name[n]
                for t in (r.fr, r.en):
                    for line in t.split("/"):
                        tw = max(tw, font.text_width(self.glyphs, line))
                    lines = max(lines, t.count("/") + 1)
            pw, _ = self.picture_size(o.res) if o.res else o.size
            h = (lines - 1) * 25 + self.glyphs[ord("A")][1]
            left = min(max(4, o.at[0] + pw // 2 - tw // 2), 636 - tw)
            head = o.text_top if o.text_top is not None else o.at[1]
            top = max(2, head - 6 - h)
            dx, dy = left - o.at[0], top - o.at[1]
            o.text = (dx, dy if dy != 0 else 1)

    def make_sounds(self):
        for name, voice, text in self.w.sounds:
            rel = self.w.res_by_name[name].path
            v = self.w.voices[voice]
            sig = tools.digest("speech v2", repr(sorted(v.items())), text)
            target = os.path.join(self.out, posix(rel))
            self.job(rel, sig, lambda t=text, vv=v, o=target: audio.speak(t, vv, o, self.tmp))
        for name, recipe in self.effects.items():
            rel = self.w.res_by_name[name].path
            target = os.path.join(self.out, posix(rel))
            self.job(rel, tools.digest("effect v1", recipe), lambda r=recipe, o=target: audio.effect(r, o))
        self.run_jobs("sounds")

    def make_music(self):
        for src, rel in TRACKS:
            path = os.path.join(HERE, src)
            sig = tools.digest("music v1", open(path, encoding="utf-8").read())
            target = os.path.join(self.out, rel)
            self.job(rel, sig, lambda p=path, o=target: music.render(p, o, self.tmp))
        self.run_jobs("music tracks")

    def check_names(self):
        """Every name an object refers to must exist."""
        scenes = {s for s, _ in self.w.scenes}
        for o in self.w.objects:
            for ref, table in ((o.res, self.w.res_by_name), (o.label, self.w.res_by_name),
                               (o.next_point, self.w.obj_by_name)):
                if ref and ref not in table:
                    raise SystemExit("object %s refers to unknown %s" % (o.name, ref))
            if o.scene not in scenes or (o.next_scene and o.next_scene not in scenes):
                raise SystemExit("object %s: unknown scene" % o.name)

    def copy_launch_scripts(self):
        """The game folder holds its launch scripts, so a delivery made from it can start."""
        for name in LAUNCH_SCRIPTS:
            target = os.path.join(self.out, name)
            shutil.copyfile(os.path.join(HERE, "..", "tools", "launch", name), target)
            os.chmod(target, 0o755)

    def generate(self):
        try:
            self.load()
            self.make_font()
            self.check_names()
            self.make_pictures()
            self.place_texts()
            self.make_sounds()
            self.make_music()
            worldmod.write_config(self.w, os.path.join(self.out, "vorlane.dat"))
            self.copy_launch_scripts()
        finally:
            self.cache.save()
            shutil.rmtree(self.tmp, ignore_errors=True)
        print("generate: %s ready (%d scenes, %d objects, %d resources)"
              % (self.out, len(self.w.scenes), len(self.w.objects), len(self.w.resources)))


def main(argv):
    if len(argv) != 2:
        print("usage: python3 data/generate.py OUTDIR", file=sys.stderr)
        return 2
    Generator(argv[1]).generate()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
