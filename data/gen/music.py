"""Music tracks from small text scores, played by sox synth, mixed and encoded to MP3 with lame.

Score syntax (one statement per line, '#' starts a comment):
  bpm 112
  voice NAME WAVE [gain=-6] [fx="lowpass 900"] [len=0.8]
        WAVE is a sox synth wave (sine square triangle sawtooth pluck ...) or a drum: kick snare hat
        len is the part of each note's length that sounds (the rest is silence)
  pattern NAME
  NAME: NOTE/BEATS NOTE/BEATS ...     notes of one voice in the current pattern;
        NOTE is a pitch (C4, F#3, Bb2), r for a rest, x for a drum hit
  song NAME NAME ...                  patterns in playing order (may repeat; several song lines add up)
Every voice of a pattern must last as many beats as the pattern's longest voice; missing voices rest.
"""
import os
import shlex

from . import tools

RATE = 44100
DRUMS = {
    "kick": "synth {d} sine 140-40 fade q 0.002 {d} {f} gain -2",
    "snare": "synth {d} noise fade q 0.002 {d} {f} bandpass 1800 1.2o gain -4",
    "hat": "synth {d} noise fade q 0.001 {d} {f} highpass 7000 gain -8",
}


def parse(path):
    bpm, voices, patterns, song = 120.0, {}, {}, []
    cur = None
    for raw in open(path, encoding="utf-8"):
        line = raw.split("#", 1)[0].strip()
        if not line:
            continue
        words = shlex.split(line)
        if words[0] == "bpm":
            bpm = float(words[1])
        elif words[0] == "voice":
            opts = dict(w.split("=", 1) for w in words[3:])
            voices[words[1]] = dict(wave=words[2], gain=float(opts.get("gain", "-6")),
                                    fx=opts.get("fx", ""), len=float(opts.get("len", "0.9")))
        elif words[0] == "pattern":
            cur = patterns.setdefault(words[1], {})
        elif words[0] == "song":
            song += words[1:]
        elif words[0].endswith(":"):
            name = words[0][:-1]
            if name not in voices or cur is None:
                raise ValueError("%s: bad line %r" % (path, raw))
            notes = []
            for w in words[1:]:
                pitch, _, beats = w.partition("/")
                notes.append((pitch, float(eval_beats(beats or "1"))))
            cur.setdefault(name, []).extend(notes)
        else:
            raise ValueError("%s: bad line %r" % (path, raw))
    for p in song:
        if p not in patterns:
            raise ValueError("%s: unknown pattern %s" % (path, p))
    return bpm, voices, patterns, song


def eval_beats(s):
    if "." in s and s.startswith("."):
        s = "0" + s
    num, _, den = s.partition("%")  # 1%3 = a third of a beat
    return float(num) / float(den) if den else float(num)


def _segments(bpm, voice, notes):
    beat = 60.0 / bpm
    segs = []
    for pitch, beats in notes:
        d = beats * beat
        if pitch == "r":
            segs.append("synth %.4f sine 100 gain -120" % d)
            continue
        on = max(0.03, d * voice["len"])
        if voice["wave"] in DRUMS:
            s = DRUMS[voice["wave"]].format(d="%.4f" % on, f="%.4f" % (on * 0.8))
        else:
            s = "synth %.4f %s %s fade q 0.01 %.4f %.4f" % (on, voice["wave"], pitch, on, on * 0.35)
        if on < d:
            s += " pad 0 %.4f" % (d - on)
        segs.append(s)
    return segs


def render(score_path, out_mp3, workdir, kbps=48):
    bpm, voices, patterns, song = parse(score_path)
    os.makedirs(os.path.dirname(out_mp3), exist_ok=True)
    base = os.path.join(workdir, os.path.basename(out_mp3)[:-4])
    beat = 60.0 / bpm
    mixed = []
    total = 0.0
    for vname, voice in voices.items():
        segs = []
        for pname in song:
            pat = patterns[pname]
            length = max(sum(b for _, b in n) for n in pat.values())
            notes = list(pat.get(vname, []))
            used = sum(b for _, b in notes)
            if used < length - 1e-6:
                notes.append(("r", length - used))
            segs += _segments(bpm, voice, notes)
        total = max(total, sum(max(sum(b for _, b in n) for n in patterns[p].values()) for p in song) * beat)
        if not segs:
            continue
        raw = "%s_%s_raw.wav" % (base, vname)
        args = [tools.tool("sox"), "-R", "-n", "-r", str(RATE), "-c", "1", "-b", "16", raw]
        for i, s in enumerate(segs):
            if i:
                args.append(":")
            args += s.split()
        tools.run(args)
        wav = "%s_%s.wav" % (base, vname)
        tools.run([tools.tool("sox"), "-R", raw, wav, "gain", str(voice["gain"])] + shlex.split(voice["fx"]))
        os.remove(raw)
        mixed.append(wav)
    mix = base + "_mix.wav"
    args = [tools.tool("sox"), "-R", "-m"] + [a for w in mixed for a in ("-v", "1", w)]
    args += [mix, "reverb", "25", "50", "60",
             "fade", "q", "0.5", "%.3f" % total, "3", "norm", "-1"]
    tools.run(args)
    for w in mixed:
        os.remove(w)
    tools.run([tools.tool("lame"), "--quiet", "-m", "m", "-b", str(kbps), mix, out_mp3])
    os.remove(mix)
    return len(song)
