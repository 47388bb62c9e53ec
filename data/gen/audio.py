"""Sounds: spoken lines (espeak-ng), sound effects (sox) and music tracks (sox synth + lame)."""
import os
import re
import shlex
import tempfile
import wave

from . import tools

RATE = 22050


def check_wav(path):
    with wave.open(path) as w:
        return w.getframerate(), w.getsampwidth() * 8, w.getnchannels(), w.getnframes()


def _to_game_format(src, dst, effects=()):
    tools.run([tools.tool("sox"), "-R", src, "-r", str(RATE), "-b", "16", "-c", "1", dst] + list(effects))


def speak(text, voice, out_wav, workdir):
    """voice: dict with espeak voice 'v', pitch 'p', speed 's' and optional sox effects 'fx'."""
    os.makedirs(os.path.dirname(out_wav), exist_ok=True)
    fd, tmp = tempfile.mkstemp(suffix=".wav", dir=workdir)
    os.close(fd)
    tools.run([tools.tool("espeak-ng"), "-v", voice.get("v", "en"), "-p", voice.get("p", "50"),
               "-s", voice.get("s", "160"), "-w", tmp, text])
    fx = shlex.split(voice.get("fx", "")) + ["norm", "-3", "pad", "0", "0.15"]
    _to_game_format(tmp, out_wav, fx)
    os.remove(tmp)


def effect(recipe, out_wav):
    """recipe: sox synth arguments; several chains may be joined with ':'. Output is mono 22050 Hz."""
    os.makedirs(os.path.dirname(out_wav), exist_ok=True)
    tools.run([tools.tool("sox"), "-R", "-n", "-r", str(RATE), "-b", "16", "-c", "1", "-t", "wav", out_wav]
              + shlex.split(recipe))


def load_effects(path):
    """effects.txt: 'NAME: sox synth arguments' lines; a trailing backslash continues a line."""
    out = {}
    text = open(path, encoding="utf-8").read().replace("\\\n", " ")
    for line in text.splitlines():
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        name, _, recipe = line.partition(":")
        out[name.strip()] = re.sub(r"\s+", " ", recipe.strip())
    return out
