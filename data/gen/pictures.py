"""Pictures: SVG sources -> 24-bit BMP with magenta (255, 0, 255) as the transparent colour.

A picture spec names what to draw:
  art/file.svg          the whole file
  art/file.svg#2        frame 2 of the file: elements whose class lists frame tokens (f1 f2 ...)
                        are kept only when they list f2; elements without such tokens are common
  person:NAME:POSE      a person of art/people/people.txt in one of its poses
and may end with "!m" to mirror the picture left-right, "!cH" to keep only its top H rows and/or
"!tH" to add H rows of room above it (for things that stick out above a person, such as lines).
SVG sources may contain ${key} colours of art/palette.txt and <!--#include other.svg--> lines.
"""
import os
import re
import string
import tempfile
import xml.etree.ElementTree as ET

from . import tools

SVG_NS = "http://www.w3.org/2000/svg"
ET.register_namespace("", SVG_NS)
ET.register_namespace("xlink", "http://www.w3.org/1999/xlink")

_FRAME_TOKEN = re.compile(r"^f(\d+)$")


def strip_comment(line):
    """'#' starts a comment at the start of a line or after a blank ('#ff00ff' is a colour)."""
    return re.sub(r"(^|\s)#(\s.*)?$", "", line.strip()).strip()


class Art:
    def __init__(self, datadir):
        self.datadir = datadir
        self.palette = {}
        pal = os.path.join(datadir, "art", "palette.txt")
        if os.path.exists(pal):
            for line in open(pal, encoding="utf-8"):
                line = strip_comment(line)
                if "=" in line:
                    k, v = line.split("=", 1)
                    self.palette[k.strip()] = v.strip()
        self.people = People(os.path.join(datadir, "art", "people"))

    def read_source(self, rel, extra=None, seen=()):
        path = os.path.join(self.datadir, rel)
        text = open(path, encoding="utf-8").read()

        def inc(m):
            name = m.group(1).strip()
            if name in seen:
                raise ValueError("include loop on %s" % name)
            return self.read_source(os.path.join(os.path.dirname(rel), name), extra, seen + (name,))

        text = re.sub(r"<!--#include\s+(\S+)\s*-->", inc, text)
        values = dict(self.palette)
        if extra:
            values.update(extra)
        try:
            return string.Template(text).substitute(values)
        except (KeyError, ValueError) as e:
            raise ValueError("%s: unknown or bad ${} value %s" % (rel, e))

    def svg_for(self, spec):
        """Return the final SVG text of a picture spec."""
        spec, *flags = spec.split("!")
        mirror = "m" in flags
        crop = [int(f[1:]) for f in flags if f.startswith("c")]
        top = [int(f[1:]) for f in flags if f.startswith("t")]
        if spec.startswith("person:"):
            _, who, pose = spec.split(":")
            text = self.people.svg(self, who, pose)
            frame = None
        else:
            rel, _, frame = spec.partition("#")
            text = self.read_source(rel)
        if frame or mirror or crop or top:
            text = transform_svg(text, int(frame) if frame else None, mirror, crop[0] if crop else None,
                                 top[0] if top else 0)
        return text


def transform_svg(text, frame, mirror, crop=None, top=0):
    root = ET.fromstring(text)
    if top:
        w = re.match(r"[\d.]+", root.get("width")).group(0)
        h = int(float(re.match(r"[\d.]+", root.get("height")).group(0))) + top
        root.set("height", str(h))
        root.set("viewBox", "0 %d %s %d" % (-top, w, h))
    if crop:
        w = root.get("width")
        root.set("height", str(crop))
        root.set("viewBox", "0 0 %s %d" % (re.match(r"[\d.]+", w).group(0), crop))
    if frame is not None:
        _keep_frame(root, frame)
    if mirror:
        w = float(re.match(r"[\d.]+", root.get("width")).group(0))
        g = ET.Element("{%s}g" % SVG_NS, {"transform": "translate(%g 0) scale(-1 1)" % w})
        for child in list(root):
            root.remove(child)
            g.append(child)
        root.append(g)
    return ET.tostring(root, encoding="unicode")


def _keep_frame(elem, frame):
    for child in list(elem):
        tokens = (child.get("class") or "").split()
        frames = [int(m.group(1)) for m in map(_FRAME_TOKEN.match, tokens) if m]
        if frames and frame not in frames:
            elem.remove(child)
        else:
            _keep_frame(child, frame)


class People:
    """Characters drawn from one shared body template, a palette and a few parts each."""

    def __init__(self, folder):
        self.folder = folder
        self.chars = {}
        self.poses = {}
        path = os.path.join(folder, "people.txt")
        if not os.path.exists(path):
            return
        for raw in open(path, encoding="utf-8"):
            line = strip_comment(raw)
            if not line:
                continue
            kind, name, *kv = line.split()
            vals = dict(x.split("=", 1) for x in kv)
            if kind == "person":
                self.chars[name] = vals
            elif kind == "pose":
                self.poses[name] = vals
            else:
                raise ValueError("people.txt: unknown line %r" % raw)

    DEFAULT_POSE = dict(legL="0", legR="0", armL="8", armR="-8", bob="0", mouth="smile", eyes="open")

    def _part(self, art, name, slot, values):
        path = os.path.join(self.folder, "parts", name + ".svg")
        if not os.path.exists(path):
            raise ValueError("people: no part %s" % name)
        text = open(path, encoding="utf-8").read()
        # A part file holds sections introduced by lines "--slot--".
        sections = re.split(r"^--(\w+)--\s*$", text, flags=re.M)
        out = ""
        for i in range(1, len(sections), 2):
            if sections[i] == slot:
                out += sections[i + 1]
        return string.Template(out).substitute(values)

    def svg(self, art, who, pose):
        if who not in self.chars:
            raise ValueError("people: unknown person %s" % who)
        if pose not in self.poses:
            raise ValueError("people: unknown pose %s" % pose)
        c = dict(self.chars[who])
        values = dict(art.palette)
        values.update(self.DEFAULT_POSE)
        values.update(c)
        values.update(self.poses[pose])
        values.update({k[len(pose) + 1:]: v for k, v in c.items() if k.startswith(pose + ".")})
        parts = [p for p in values.get("parts", "").split(",") if p]
        parts += [p for p in values.get("with", "").split(",") if p]
        values.setdefault("sleeve", values.get("shirt", "#888"))
        for slot in ("back", "legsx", "body", "head", "hair", "handL", "handR", "front"):
            values[slot] = "".join(self._part(art, p, slot, values) for p in parts)
        values["mouth"] = self._part(art, "mouth_" + values["mouth"], "head", values)
        values["eyes"] = self._part(art, "eyes_" + values["eyes"], "head", values)
        tmpl = open(os.path.join(self.folder, "person.svg"), encoding="utf-8").read()
        return string.Template(tmpl).substitute(values)


def render(svg_text, out_bmp, workdir):
    """Rasterise SVG text and write a 24-bit BMP, transparency thresholded to magenta."""
    os.makedirs(os.path.dirname(out_bmp), exist_ok=True)
    fd, svg = tempfile.mkstemp(suffix=".svg", dir=workdir)
    png = svg[:-4] + ".png"
    with os.fdopen(fd, "w", encoding="utf-8") as f:
        f.write(svg_text)
    tools.run([tools.tool("rsvg-convert"), "-f", "png", "-o", png, svg])
    tools.run([tools.tool("convert"), png, "-channel", "A", "-threshold", "49.9%", "+channel",
               "-background", "#FF00FF", "-alpha", "remove", "-alpha", "off",
               "-type", "TrueColor", "BMP3:" + out_bmp])
    os.remove(svg)
    os.remove(png)
