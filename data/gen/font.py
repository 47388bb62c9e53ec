"""The bitmap font: one BMP per byte value, black glyphs on magenta, rendered without antialiasing."""
import os
import struct

from . import tools

FONT_FILE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
POINT_SIZE = 15
SPACE_WIDTH = 5
ENCODING = "cp1252"  # Windows Latin-1: é is 0xE9, and 0x80-0x9F hold œ, €, quotes...


def glyph_chars():
    """Byte value -> character, for every byte that gets a glyph (space included)."""
    out = {}
    for b in list(range(32, 127)) + list(range(0x80, 0x100)):
        try:
            ch = bytes([b]).decode(ENCODING)
        except UnicodeDecodeError:
            continue  # undefined in the code page: no glyph
        if b == 0xAD:
            ch = "-"  # soft hyphen drawn as a hyphen
        out[b] = ch
    return out


def glyph_path(b):
    return "images\\font\\%03d.bmp" % b


def write_blank_bmp(path, w, h):
    row = b"\xff\x00\xff" * w
    row += b"\0" * ((4 - len(row) % 4) % 4)
    data = row * h
    hdr = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(hdr + info + data)


def bmp_size(path):
    with open(path, "rb") as f:
        head = f.read(26)
    return struct.unpack("<ii", head[18:26])


def build(outdir, cache):
    """Write every glyph picture; return {byte: (width, height)}."""
    chars = glyph_chars()
    sig = tools.digest("font v1", FONT_FILE, str(POINT_SIZE), str(SPACE_WIDTH), repr(sorted(chars.items())))
    folder = os.path.join(outdir, "images", "font")
    os.makedirs(folder, exist_ok=True)
    stamp = "images/font/.glyphs"
    if not cache.fresh(stamp, sig):
        args = [tools.tool("convert"), "-background", "#FF00FF", "-fill", "black", "+antialias",
                "-font", FONT_FILE, "-pointsize", str(POINT_SIZE)]
        height = None
        for b, ch in sorted(chars.items()):
            if ch.isspace() or b == 0xA0:
                continue
            text = ch.replace("\\", "\\\\").replace("%", "%%")
            args += ["(", "label:" + text, "-type", "TrueColor",
                     "-write", "BMP3:" + os.path.join(folder, "%03d.bmp" % b), ")", "+delete"]
        args += ["xc:white", "null:"]  # convert wants an image to write at the end
        tools.run(args)
        height = bmp_size(os.path.join(folder, "%03d.bmp" % ord("A")))[1]
        for b, ch in chars.items():
            if ch.isspace() or b == 0xA0:
                write_blank_bmp(os.path.join(folder, "%03d.bmp" % b), SPACE_WIDTH, height)
        with open(os.path.join(outdir, stamp), "w") as f:
            f.write(sig)
        cache.done(stamp, sig)
    sizes = {}
    for b in chars:
        sizes[b] = bmp_size(os.path.join(folder, "%03d.bmp" % b))
    return sizes


def text_width(sizes, line):
    return sum(sizes.get(b, (0, 0))[0] for b in line.encode(ENCODING))
