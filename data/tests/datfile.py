"""A reader for vorlane.dat that follows the engine's lookup rules: a key is any line of the file that
contains the key's text and an '=', searched from the section's header onwards (not stopping at the
next header), with a cursor that tries the line after the last key found first."""

ENCODING = "latin-1"  # byte-transparent: the engine sees bytes

OBJET_KEYS = ["Name", "AffName", "ResAnimName", "SceneName", "SceneSuivanteName", "SceneSuivantePoint",
              "ptCoord.x", "ptCoord.y", "ptSize.x", "ptSize.y", "ptHotSpot.x", "ptHotSpot.y",
              "ptText.x", "ptText.y", "isClickable", "isAfficher", "isZoneDep", "isDragAndDrop"]


class ConfigReader:
    def __init__(self, data):
        text = data.decode(ENCODING)
        self.lines = [line.rstrip("\r") for line in text.split("\n")]
        if self.lines and self.lines[-1] == "":
            self.lines.pop()
        self.last_section, self.section_line, self.key_line = "", 0, 0

    def get(self, section, key, default=None):
        """The engine's M_getConfigString: returns the value, or default when not found."""
        header = "[" + section + "]"
        lines = self.lines
        start = 0
        if section == self.last_section:
            self.key_line += 1
            if self.key_line < len(lines) and key in lines[self.key_line] and "=" in lines[self.key_line]:
                return lines[self.key_line].split("=", 1)[1]
            start = self.section_line
        elif self.last_section:
            for i in range(self.key_line, len(lines)):
                if "[" in lines[i]:
                    if section in lines[i][lines[i].index("["):]:
                        start = i
                    break
        for i in range(start, len(lines)):
            if lines[i] != header:
                continue
            for j in range(i, len(lines)):
                if key in lines[j] and "=" in lines[j]:
                    self.last_section, self.section_line, self.key_line = section, i, j
                    return lines[j].split("=", 1)[1]
        return default

    def get_int(self, section, key, default=0):
        v = self.get(section, key, "")
        if v == "":
            return default
        v = v.lstrip()
        n = 0
        while n < len(v) and (v[n].isdigit() or (n == 0 and v[n] in "+-")):
            n += 1
        try:
            return int(v[:n])
        except ValueError:
            return 0


def read_dat(path):
    """Load the world as the engine does; values are strings, as written."""
    with open(path, "rb") as f:
        data = f.read()
    r = ConfigReader(data)
    out = {"lines": r.lines, "scenes": [], "objects": [], "resources": []}
    for i in range(1, r.get_int("Scenes", "NbScenes") + 1):
        s = "Scene%d" % i
        out["scenes"].append({"Name": r.get(s, "Name", ""), "ScalePerso": r.get(s, "ScalePerso", "")})
    for i in range(1, r.get_int("Objets", "NbObjets") + 1):
        s = "Objet%d" % i
        o = {k: r.get(s, k, "") for k in OBJET_KEYS}
        for k in OBJET_KEYS[6:]:
            o[k] = str(r.get_int(s, k, 1 if k == "isAfficher" else 0))
        out["objects"].append(o)
    for i in range(1, r.get_int("Ressources", "NbRessources") + 1):
        s = "Ressource%d" % i
        res = {"Name": r.get(s, "Name", ""), "type": r.get(s, "type", "")}
        if res["type"] == "Anim":
            n = r.get_int(s, "nbAnim")
            res["nbAnim"] = n
            for k in range(n):
                res["filePath%d" % k] = r.get(s, "filePath%d" % k, "")
                res["tempo%d" % k] = r.get_int(s, "tempo%d" % k)
        elif res["type"] in ("Bmp", "Wav", "Mid"):
            res["filePath"] = r.get(s, "filePath", "")
        elif res["type"] == "Text":
            res["textBuf"] = r.get(s, "textBuf", "")
            res["textBufEng"] = r.get(s, "textBufEng", "")
        out["resources"].append(res)
    return out


def read_sections(path):
    """A plain reading of the file: {section: {key: value}} in file order, for cross-checking."""
    sections, cur = {}, None
    with open(path, "rb") as f:
        for line in f.read().decode(ENCODING).split("\n"):
            if line.startswith("[") and line.endswith("]"):
                cur = sections.setdefault(line[1:-1], {})
            elif "=" in line and cur is not None:
                k, v = line.split("=", 1)
                cur[k] = v
    return sections
