"""External tools used by the data generator, and a small incremental-build cache."""
import hashlib
import json
import os
import shutil
import subprocess

# ImageMagick: take the real binary even when a wrapper called "convert" comes first on PATH.
_IM_CANDIDATES = ("convert-im6.q16", "/usr/bin/convert-im6.q16", "/usr/bin/convert", "magick", "convert")


def find_tool(name, candidates=None):
    for c in candidates or (name,):
        p = c if os.path.isabs(c) else shutil.which(c)
        if p and os.access(p, os.X_OK):
            return p
    raise SystemExit("generate.py: missing tool %s (Debian packages: see data/README.md)" % name)


_tools = {}


def tool(name):
    if name not in _tools:
        _tools[name] = find_tool(name, _IM_CANDIDATES if name == "convert" else None)
    return _tools[name]


def run(args, **kw):
    """Run a command; raise with its stderr when it fails."""
    r = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, **kw)
    if r.returncode != 0:
        raise RuntimeError("command failed (%d): %s\n%s" % (r.returncode, " ".join(map(str, args))[:400],
                                                           r.stderr.decode("utf-8", "replace")[-2000:]))
    return r.stdout


def digest(*parts):
    h = hashlib.sha1()
    for p in parts:
        if isinstance(p, str):
            p = p.encode("utf-8")
        h.update(p)
        h.update(b"\0")
    return h.hexdigest()


class BuildCache:
    """Remembers, for every output file, the digest of the inputs it was made from."""

    def __init__(self, outdir):
        self.path = os.path.join(outdir, ".generate_state.json")
        self.outdir = outdir
        try:
            with open(self.path) as f:
                self.state = json.load(f)
        except (OSError, ValueError):
            self.state = {}

    def fresh(self, rel, sig):
        return self.state.get(rel) == sig and os.path.exists(os.path.join(self.outdir, rel))

    def done(self, rel, sig):
        self.state[rel] = sig

    def save(self):
        tmp = self.path + ".tmp"
        with open(tmp, "w") as f:
            json.dump(self.state, f, indent=0, sort_keys=True)
        os.replace(tmp, self.path)
