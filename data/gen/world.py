"""The world description (world.txt), the text tables (texts.txt) and the configuration writer."""
import os
import re
import shlex

ANSWER_ID = re.compile(r"^RT_D_.+_\d+[a-z]?_\d+[a-z]?$")
MAX_LINE = 254                    # the configuration reader keeps 254 characters per line
LINE_PIXELS, LINE_CHARS = 340, 38       # a line of a spoken text at most
ANSWER_PIXELS, ANSWER_CHARS = 172, 22   # a line of a dialogue answer (three sheets side by side)
ANSWER_LINES = 3


class Objet:
    KEYS = ("Name", "AffName", "ResAnimName", "ptCoord.x", "ptCoord.y", "ptSize.x", "ptSize.y",
            "ptHotSpot.x", "ptHotSpot.y", "ptText.x", "ptText.y", "SceneName", "SceneSuivanteName",
            "SceneSuivantePoint", "isClickable", "isAfficher", "isZoneDep", "isDragAndDrop")

    def __init__(self, name, scene):
        self.name, self.scene = name, scene
        self.label = ""
        self.res = ""
        self.at = (0, 0)
        self.size = (0, 0)
        self.hot = (0, 0)
        self.text = (0, -20)
        self.auto_text = False
        self.text_top = None      # screen row above which an automatic text box goes
        self.next_scene = ""
        self.next_point = ""
        self.click = self.zone = self.drag = 0
        self.shown = 1

    def values(self):
        return (self.name, self.label, self.res, self.at[0], self.at[1], self.size[0], self.size[1],
                self.hot[0], self.hot[1], self.text[0], self.text[1], self.scene, self.next_scene,
                self.next_point, self.click, self.shown, self.zone, self.drag)


class Resource:
    def __init__(self, name, kind):
        self.name, self.kind = name, kind
        self.frames = []          # Anim/Bmp: [(picture spec, tempo)]
        self.files = []           # Anim/Bmp: output paths (backslashes), filled when pictures are placed
        self.path = ""            # Wav: output path
        self.fr = self.en = ""    # Text


class World:
    def __init__(self):
        self.scenes = []          # [(name, scale)]
        self.objects = []
        self.resources = []
        self.res_by_name = {}
        self.obj_by_name = {}
        self.voices = {}          # voice name -> dict
        self.sounds = []          # (resource name, voice, english text)
        self.speakers = {}        # object name -> [text resource names]
        self.effects_loose = []   # resource names also written as loose files

    # -- building -------------------------------------------------------
    def add_res(self, res):
        if res.name in self.res_by_name:
            raise ValueError("resource %s defined twice" % res.name)
        self.res_by_name[res.name] = res
        self.resources.append(res)
        return res

    def add_obj(self, obj):
        if obj.name in self.obj_by_name:
            raise ValueError("object %s defined twice" % obj.name)
        self.obj_by_name[obj.name] = obj
        self.objects.append(obj)
        return obj

    def add_text(self, name, fr, en, answer=None):
        """Texts are wrapped later (wrap_texts), once the font's glyph widths are known."""
        if answer is None:
            answer = bool(ANSWER_ID.match(name))
        res = self.add_res(Resource(name, "Text"))
        res.fr, res.en, res.answer = fr, en, answer
        for t in (fr, en):
            if "/" in t:
                raise ValueError("texts must not contain '/': %r" % t)
            t.encode("cp1252")
        return res

    def wrap_texts(self, width_of):
        for r in self.resources:
            if r.kind == "Text":
                limit = (ANSWER_PIXELS, ANSWER_CHARS) if r.answer else (LINE_PIXELS, LINE_CHARS)
                r.fr, r.en = wrap(r.fr, limit, width_of), wrap(r.en, limit, width_of)
                for t in (r.fr, r.en):
                    check_text(r.name, t, r.answer)


def wrap(text, limit, width_of):
    """Break a text into lines of at most limit = (pixels, characters), joined by '/' (the font's
    line break)."""
    # French puts a space before ? ! : ; and inside quotes; never break a line there
    text = re.sub(r" ([?!:;»])", "\u00a0\\1", " ".join(text.split()))
    text = text.replace("« ", "«\u00a0")
    lines = []
    for word in text.split(" "):
        longer = lines[-1] + " " + word if lines else ""
        if lines and width_of(longer) <= limit[0] and len(longer) <= limit[1]:
            lines[-1] += " " + word
        else:
            lines.append(word)
    return "/".join(lines)


def check_text(name, text, answer):
    line = "textBufEng=" + text
    if len(line) > MAX_LINE:
        raise ValueError("text %s too long (%d > %d): %r" % (name, len(line), MAX_LINE, text))
    if answer and text.count("/") >= ANSWER_LINES:
        raise ValueError("answer %s needs more than %d lines: %r" % (name, ANSWER_LINES, text))
    text.encode("cp1252")


def _pair(s):
    a, b = s.split(",")
    return int(a), int(b)


def load_world(path, world):
    """Parse world.txt; pictures stay as specs, placed later."""
    scene, folder = "", "misc"
    for lineno, raw in enumerate(open(path, encoding="utf-8"), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        try:
            words = shlex.split(line)
            cmd, args = words[0], words[1:]
            if cmd == "scene":
                scene = args[0]
                opts = dict(a.split("=", 1) for a in args[1:])
                folder = opts.get("dir", folder)
                if opts.get("virtual") != "1":
                    world.scenes.append((scene, float(opts.get("scale", "0"))))
            elif cmd == "dir":
                folder = args[0]
            elif cmd == "bg":
                res = world.add_res(Resource("R_%s_fond" % folder, "Bmp"))
                res.frames = [(args[0], 0)]
                res.folder, res.stem = folder, "fond"
                o = world.add_obj(Objet("O_%s_fond" % folder, scene))
                o.res = res.name
            elif cmd in ("bmp", "anim"):
                name = args[0]
                res = world.add_res(Resource(name, "Bmp" if cmd == "bmp" else "Anim"))
                res.folder, res.stem = folder, stem_of(name)
                if cmd == "bmp":
                    res.frames = [(args[1], 0)]
                else:
                    tempo = int(args[1])
                    for spec in args[2:]:
                        spec, _, t = spec.partition("@")
                        res.frames.append((spec, int(t) if t else tempo))
            elif cmd == "zone":
                x, y, w, h = map(int, args[0].split(","))
                n = sum(1 for o in world.objects if o.zone and o.scene == scene) + 1
                o = world.add_obj(Objet("O_%s_sol_%d" % (folder, n), scene))
                o.at, o.size, o.zone = (x, y), (w, h), 1
            elif cmd == "pt":
                o = world.add_obj(Objet(args[0], scene))
                o.at, o.shown = _pair(args[1]), 0
            elif cmd == "obj":
                o = Objet(args[0], scene)
                for a in args[1:]:
                    k, _, v = a.partition("=")
                    if k == "res":
                        o.res = v
                    elif k == "pic":
                        res = world.add_res(Resource("R_" + re.sub(r"^O_", "", o.name), "Bmp"))
                        res.frames = [(v, 0)]
                        res.folder, res.stem = folder, stem_of(res.name)
                        o.res = res.name
                    elif k == "at":
                        o.at = _pair(v)
                    elif k == "size":
                        o.size = _pair(v)
                    elif k == "hot":
                        o.hot = _pair(v)
                    elif k == "text":
                        if v.startswith("auto"):
                            o.auto_text = True
                            o.text_top = int(v[5:]) if v.startswith("auto:") else None
                        else:
                            o.text = _pair(v)
                    elif k == "scene":
                        o.scene = v
                    elif k == "exit":
                        o.next_scene, _, o.next_point = v.partition("@")
                    elif k == "arrive":
                        o.next_point = v
                    elif k == "click":
                        o.click = 1
                    elif k == "hidden":
                        o.shown = 0
                    elif k == "zone":
                        o.zone = 1
                    elif k == "drag":
                        o.drag = 1
                    elif k == "label":
                        fr, en = v.split("|")
                        o.label = "RT_Aff_" + re.sub(r"^(O_|ObjectId_|Objet_)", "", o.name)
                        world.add_text(o.label, fr, en, answer=False)
                    elif k == "labelres":
                        o.label = v
                    else:
                        raise ValueError("unknown key %s" % k)
                world.add_obj(o)
            else:
                raise ValueError("unknown command %s" % cmd)
        except Exception as e:
            raise SystemExit("%s:%d: %s" % (path, lineno, e))


def stem_of(name):
    return re.sub(r"^(RA_|R_|ResId_)", "", name).lower()


def load_texts(path, world):
    """texts.txt: '@voice NAME [speaker=OBJ]', '@voicedef NAME v= p= s= fx=', 'RT_x [> RS_y] | fr | en',
    '> RS_y | | english words' (sound only), 'alias RS_new RS_old'."""
    voice, speaker = "none", ""
    aliases = []
    for lineno, raw in enumerate(open(path, encoding="utf-8"), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        try:
            if line.startswith("@voicedef"):
                words = shlex.split(line)
                world.voices[words[1]] = dict(w.split("=", 1) for w in words[2:])
            elif line.startswith("@voice"):
                words = line.split()
                voice = words[1]
                opts = dict(w.split("=", 1) for w in words[2:])
                speaker = opts.get("speaker", "")
                if voice != "none" and voice not in world.voices:
                    raise ValueError("unknown voice %s" % voice)
            elif line.startswith("alias "):
                aliases.append(line.split()[1:3])
            else:
                head, fr, en = [p.strip() for p in line.split("|")]
                name, _, sound = [p.strip() for p in head.partition(">")]
                # the hero's lines and the answers are wrapped narrow: they are said or shown anywhere
                answer = bool(ANSWER_ID.match(name)) or voice == "hero" or name == "RT_D_NULL"
                v = "hero" if answer and ANSWER_ID.match(name) else voice
                if name:
                    world.add_text(name, fr, en, answer)
                    if speaker and not ANSWER_ID.match(name):
                        world.speakers.setdefault(speaker, []).append(name)
                if not sound and name.startswith("RT_D_") and v != "none":
                    sound = "RS_" + name[3:]
                if sound:
                    if v == "none":
                        raise ValueError("sound %s without a voice" % sound)
                    world.sounds.append((sound, v, en))
                    res = world.add_res(Resource(sound, "Wav"))
                    res.path = "sounds\\voix\\%s.wav" % sound[3:].lower()
        except Exception as e:
            raise SystemExit("%s:%d: %s" % (path, lineno, e))
    for new, old in aliases:
        res = world.add_res(Resource(new, "Wav"))
        res.path = world.res_by_name[old].path


def write_config(world, path):
    out = ["", "[Scenes]", "NbScenes=%d" % len(world.scenes)]
    for i, (name, scale) in enumerate(world.scenes, 1):
        out += ["", "[Scene%d]" % i, "Name=%s" % name, "ScalePerso=%3.3f" % scale]
    out += ["", "[Objets]", "NbObjets=%d" % len(world.objects)]
    for i, o in enumerate(world.objects, 1):
        out += ["", "[Objet%d]" % i]
        out += ["%s=%s" % kv for kv in zip(Objet.KEYS, o.values())]
    out += ["", "[Ressources]", "NbRessources=%d" % len(world.resources)]
    for i, r in enumerate(world.resources, 1):
        out += ["", "[Ressource%d]" % i, "Name=%s" % r.name, "type=%s" % r.kind]
        if r.kind == "Anim":
            for k, (f, (_, tempo)) in enumerate(zip(r.files, r.frames)):
                out += ["filePath%d=%s" % (k, f), "tempo%d=%d" % (k, tempo)]
            out.append("nbAnim=%d" % len(r.files))
        elif r.kind == "Bmp":
            out.append("filePath=%s" % r.files[0])
        elif r.kind == "Wav":
            out.append("filePath=%s" % r.path)
        elif r.kind == "Text":
            out += ["textBuf=%s" % r.fr, "textBufEng=%s" % r.en]
    for line in out:
        if len(line) > MAX_LINE:
            raise SystemExit("configuration line too long: %r" % line)
    data = ("\n".join(out) + "\n").encode("cp1252")
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)
