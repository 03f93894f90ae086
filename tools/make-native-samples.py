#!/usr/bin/env python3
"""Builds tests/data/native/: small JPEG, PNG, WebP and GIF files in the variants the
native writer must copy exactly (restart markers, progressive and arithmetic coding, CMYK
and YCCK, separate scans per component, an MPF preview after the image, a JFIF thumbnail,
APNG, animated WebP and GIF, GIF87a), each carrying identifying needles in its metadata
blocks: an e-mail address, a serial and a GPS position.

Needs python3, exiftool, cjpeg and jpegtran (libjpeg-turbo-progs), cwebp, img2webp and
webpmux (webp) and ImageMagick's convert. Run from anywhere; the files are rewritten.
"""

import os
import struct
import subprocess
import tempfile
import zlib

EMAIL = "jane@example.org"
SERIAL = "QMK-SN-7310442"
LAT, LON = "48.85837", "2.29448"
W, H = 64, 48

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "tests", "data", "native")
TMP = tempfile.mkdtemp(prefix="qmk-native-")


def run(*args):
    subprocess.run(list(args), check=True)


def tmp(name):
    return os.path.join(TMP, name)


def out(name):
    return os.path.join(OUT, name)


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def pixels(frame=0, alpha=False):
    """A gradient with a few edges, so every coding mode has real work to do."""
    rows = []
    for y in range(H):
        row = bytearray()
        for x in range(W):
            r = (x * 4 + frame * 40) & 0xFF
            g = (y * 5) & 0xFF
            b = 200 if (x // 8 + y // 8 + frame) % 2 else 40
            row += bytes((r, g, b))
            if alpha:
                row.append((x * 255 // (W - 1)) if y > 8 else 255)
        rows.append(bytes(row))
    return rows


def ppm(path, frame=0):
    write(path, b"P6\n%d %d\n255\n" % (W, H) + b"".join(pixels(frame)))


def tag_args():
    """The needles in Exif, XMP and a comment (ExifTool writes where the format allows)."""
    return ["-Artist=" + EMAIL, "-SerialNumber=" + SERIAL, "-XMP-dc:Creator=" + EMAIL,
            "-XMP-aux:SerialNumber=" + SERIAL, "-GPSLatitude=" + LAT, "-GPSLatitudeRef=N",
            "-GPSLongitude=" + LON, "-GPSLongitudeRef=E", "-Comment=" + SERIAL + " " + EMAIL]


def exiftool(path, *args):
    run("exiftool", "-q", "-q", "-config", "", "-overwrite_original", *args, path)


# --- JPEG --------------------------------------------------------------------------------

def segment(marker, body):
    return bytes((0xFF, marker)) + struct.pack(">H", len(body) + 2) + body


def jpeg_samples():
    src = tmp("src.ppm")
    ppm(src)

    def cjpeg(name, *args, tags=True):
        run("cjpeg", "-quality", "85", *args, "-outfile", out(name), src)
        if tags:
            exiftool(out(name), *tag_args())

    cjpeg("jpeg_restart_dri.jpg", "-restart", "1")
    cjpeg("jpeg_progressive.jpg", "-progressive")
    cjpeg("jpeg_arithmetic.jpg", "-arithmetic")
    # One scan per component, sequential: the non-interleaved case.
    write(tmp("scans.txt"), b"0;\n1;\n2;\n")
    cjpeg("jpeg_multiscan.jpg", "-scans", tmp("scans.txt"))

    # ImageMagick writes CMYK as YCCK (APP14 Adobe, transform 2); the CMYK file is the same
    # data declared as plain CMYK (transform 0), which decoders then take as such.
    run("convert", src, "-colorspace", "CMYK", "-quality", "85", out("jpeg_ycck_adobe.jpg"))
    exiftool(out("jpeg_ycck_adobe.jpg"), *tag_args())
    data = bytearray(read(out("jpeg_ycck_adobe.jpg")))
    at = data.find(b"\xFF\xEE")
    assert at > 0 and data[at + 4:at + 9] == b"Adobe" and data[at + 4 + 11] == 2, "no YCCK APP14 Adobe segment"
    data[at + 4 + 11] = 0
    write(out("jpeg_cmyk_adobe.jpg"), bytes(data))

    # A JFIF segment with a 4x3 RGB thumbnail whose pixels spell the serial.
    cjpeg("jpeg_jfif_thumbnail.jpg", tags=False)
    data = read(out("jpeg_jfif_thumbnail.jpg"))
    assert data[2:4] == b"\xFF\xE0"
    old = struct.unpack(">H", data[4:6])[0]
    thumb = (SERIAL.encode() + b"\0" * 36)[:36]
    app0 = segment(0xE0, b"JFIF\0\x01\x02\x01\x00\x48\x00\x48" + bytes((4, 3)) + thumb)
    write(out("jpeg_jfif_thumbnail.jpg"), data[:2] + app0 + data[4 + old:])
    exiftool(out("jpeg_jfif_thumbnail.jpg"), "-Artist=" + EMAIL, "-GPSLatitude=" + LAT, "-GPSLatitudeRef=N")

    # MPF: the main image, then a preview after its EOI, indexed by an APP2 "MPF" segment
    # (offsets count from the MP header, the byte after "MPF\0").
    cjpeg("jpeg_mpf_preview.jpg")
    main = read(out("jpeg_mpf_preview.jpg"))
    run("convert", src, "-resize", "16x12", tmp("small.ppm"))
    run("cjpeg", "-outfile", tmp("preview.jpg"), tmp("small.ppm"))
    preview = read(tmp("preview.jpg"))
    preview = preview[:2] + segment(0xFE, ("preview of " + SERIAL).encode()) + preview[2:]

    def mpf(main_size, preview_offset):
        entries = 3
        ifd = struct.pack(">H", entries)
        index_offset = 8 + 2 + entries * 12 + 4
        ifd += struct.pack(">HHI", 0xB000, 7, 4) + b"0100"
        ifd += struct.pack(">HHII", 0xB001, 4, 1, 2)
        ifd += struct.pack(">HHII", 0xB002, 7, 32, index_offset)
        ifd += struct.pack(">I", 0)
        index = struct.pack(">IIIHH", 0x20030000, main_size, 0, 0, 0)
        index += struct.pack(">IIIHH", 0x00010002, len(preview), preview_offset, 0, 0)
        return segment(0xE2, b"MPF\0" + b"MM\0\x2A" + struct.pack(">I", 8) + ifd + index)

    probe = mpf(0, 0)
    total = len(main) + len(probe)
    header_at = 2 + 4 + 4  # SOI, APP2 marker and length, "MPF\0"
    write(out("jpeg_mpf_preview.jpg"), main[:2] + mpf(total, total - header_at) + main[2:] + preview)


# --- PNG ---------------------------------------------------------------------------------

def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def ihdr(alpha=False):
    return chunk(b"IHDR", struct.pack(">IIBBBBB", W, H, 8, 6 if alpha else 2, 0, 0, 0))


def idat_data(frame=0):
    return zlib.compress(b"".join(b"\0" + row for row in pixels(frame)))


def tiff_exif():
    """A little big-endian Exif block: IFD0 Artist and a GPS IFD with the position."""
    artist = EMAIL.encode() + b"\0"
    entries = [(0x013B, 2, len(artist), None), (0x8825, 4, 1, None)]
    ifd0_at = 8
    ifd0_size = 2 + len(entries) * 12 + 4
    artist_at = ifd0_at + ifd0_size
    gps_at = artist_at + len(artist)
    gps_entries = 4
    gps_size = 2 + gps_entries * 12 + 4
    rationals_at = gps_at + gps_size
    out_ = b"MM\0\x2A" + struct.pack(">I", ifd0_at) + struct.pack(">H", 2)
    out_ += struct.pack(">HHII", 0x013B, 2, len(artist), artist_at)
    out_ += struct.pack(">HHII", 0x8825, 4, 1, gps_at) + struct.pack(">I", 0) + artist
    out_ += struct.pack(">H", gps_entries)
    out_ += struct.pack(">HHI", 1, 2, 2) + b"N\0\0\0"
    out_ += struct.pack(">HHII", 2, 5, 3, rationals_at)
    out_ += struct.pack(">HHI", 3, 2, 2) + b"E\0\0\0"
    out_ += struct.pack(">HHII", 4, 5, 3, rationals_at + 24) + struct.pack(">I", 0)
    out_ += struct.pack(">6I", 48, 1, 51, 1, 30133, 1000) + struct.pack(">6I", 2, 1, 17, 1, 40128, 1000)
    return out_


def xmp_packet():
    return ('<?xpacket begin="" id="W5M0MpCehiHzreSzNTczkc9d"?><x:xmpmeta xmlns:x="adobe:ns:meta/">'
            '<rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#"><rdf:Description rdf:about=""'
            ' xmlns:exif="http://ns.adobe.com/exif/1.0/" xmlns:aux="http://ns.adobe.com/exif/1.0/aux/"'
            ' exif:GPSLatitude="%s" exif:GPSLongitude="%s" aux:SerialNumber="%s"/></rdf:RDF></x:xmpmeta>'
            '<?xpacket end="w"?>' % ("48,51.502N", "2,17.669E", SERIAL)).encode()


def png_samples():
    text = [
        chunk(b"tEXt", b"Author\0" + EMAIL.encode()),
        chunk(b"zTXt", b"Comment\0\0" + zlib.compress(("serial " + SERIAL).encode())),
        chunk(b"iTXt", b"XML:com.adobe.xmp\0\0\0\0\0" + xmp_packet()),
        chunk(b"tIME", struct.pack(">HBBBBB", 2026, 12, 9, 14, 30, 0)),
        chunk(b"pHYs", struct.pack(">IIB", 2835, 2835, 1)),
        chunk(b"eXIf", tiff_exif()),
    ]
    sig = b"\x89PNG\r\n\x1a\n"
    write(out("png_text_time_phys_exif.png"),
          sig + ihdr() + chunk(b"gAMA", struct.pack(">I", 45455)) + b"".join(text[:3] + text[4:])
          + chunk(b"IDAT", idat_data()) + text[3] + chunk(b"IEND", b""))

    # APNG: two frames, the default image being the first; the text before and after.
    frames = 2
    data = sig + ihdr() + chunk(b"acTL", struct.pack(">II", frames, 0)) + text[0]
    seq = 0
    for f in range(frames):
        data += chunk(b"fcTL", struct.pack(">IIIIIHHBB", seq, W, H, 0, 0, 1, 4, 0, 0))
        seq += 1
        if f == 0:
            data += chunk(b"IDAT", idat_data(f))
        else:
            data += chunk(b"fdAT", struct.pack(">I", seq) + idat_data(f))
            seq += 1
    write(out("png_apng.png"), data + text[1] + chunk(b"IEND", b""))


# --- WebP and GIF ------------------------------------------------------------------------

def frame_png(path, frame=0, alpha=False):
    rows = pixels(frame, alpha)
    write(path, b"\x89PNG\r\n\x1a\n" + ihdr(alpha) + chunk(b"IDAT", zlib.compress(b"".join(b"\0" + r for r in rows)))
          + chunk(b"IEND", b""))


def webp_metadata(path):
    write(tmp("exif.bin"), tiff_exif())
    write(tmp("xmp.bin"), xmp_packet())
    for kind in ("exif", "xmp"):
        subprocess.run(["webpmux", "-set", kind, tmp(kind + ".bin"), path, "-o", path], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def webp_samples():
    frame_png(tmp("f0.png"), 0)
    frame_png(tmp("f1.png"), 1)
    frame_png(tmp("alpha.png"), 0, alpha=True)
    run("cwebp", "-quiet", "-lossless", tmp("f0.png"), "-o", out("webp_lossless.webp"))
    webp_metadata(out("webp_lossless.webp"))
    run("cwebp", "-quiet", "-q", "80", "-alpha_q", "100", tmp("alpha.png"), "-o", out("webp_alpha.webp"))
    webp_metadata(out("webp_alpha.webp"))
    subprocess.run(["img2webp", "-loop", "0", "-lossy", "-q", "70", "-d", "100", tmp("f0.png"), tmp("f1.png"),
        "-o", out("webp_animated.webp")], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    webp_metadata(out("webp_animated.webp"))


def gif_samples():
    frame_png(tmp("f0.png"), 0)
    frame_png(tmp("f1.png"), 1)
    run("convert", "-delay", "20", "-loop", "0", tmp("f0.png"), tmp("f1.png"), "-colors", "32",
        out("gif_animated_comment.gif"))
    exiftool(out("gif_animated_comment.gif"), "-Comment=by " + EMAIL + " " + SERIAL, "-XMP-dc:Creator=" + EMAIL)
    # GIF87a allows no extensions: the needle rides after the trailer instead.
    run("convert", tmp("f0.png"), "-colors", "16", "GIF87:" + tmp("87a.gif"))
    data = read(tmp("87a.gif"))
    assert data.startswith(b"GIF87a") and data.endswith(b";")
    write(out("gif87a_trailing.gif"), data + ("GPS %s,%s %s" % (LAT, LON, SERIAL)).encode())


def main():
    os.makedirs(OUT, exist_ok=True)
    jpeg_samples()
    png_samples()
    webp_samples()
    gif_samples()
    for name in sorted(os.listdir(OUT)):
        if not name.endswith(".md"):
            print("%6d %s" % (os.path.getsize(out(name)), name))


if __name__ == "__main__":
    main()
