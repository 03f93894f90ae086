#!/usr/bin/env python3
"""Builds tests/data/hiding/: small images that each hide identifying values in one place.

Every file carries one or more of the needles below (a name, an e-mail address, a serial,
a host name, an IP address, a GPS position) where a metadata remover may overlook them:
private and unknown blocks, segments between the scans of a progressive JPEG, data after
the image, colour-profile texts, TIFF and DNG tags outside the usual groups. The tests
clean them and check that no output still holding a needle is called clean.

Needs python3, exiftool and jpegtran (Debian: libimage-exiftool-perl, libjpeg-turbo-progs)
and the sample images in tests/data/images. Run from the repository root.
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

NAME = "Jane Roe"
EMAIL = "jane.roe@example.org"
SERIAL = "SN48151623"
HOST = "jane-laptop.example.org"
IP = "192.168.17.23"
LAT, LON = "51.50123", "-0.12345"

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SAMPLES = os.path.join(ROOT, "tests", "data", "images")
OUT = os.path.join(ROOT, "tests", "data", "hiding")


def exiftool(*args):
    subprocess.run(["exiftool", "-q", "-q", "-config", "", *args], check=True)


def write(name, data):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


def c2pa_json():
    return ('{"author":[{"@type":"Person","name":"%s","email":"%s"}],'
            '"exif:GPSLatitude":"%s","exif:GPSLongitude":"%s"}' % (NAME, EMAIL, LAT, LON)).encode()


# --- PNG ---------------------------------------------------------------------------------

def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def png(extra_chunks):
    width = height = 8
    raw = b"".join(b"\0" + b"".join(bytes((x * 30, y * 30, 128)) for x in range(width)) for y in range(height))
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr) + b"".join(extra_chunks)
            + png_chunk(b"IDAT", zlib.compress(raw)) + png_chunk(b"IEND", b""))


# --- ICC ---------------------------------------------------------------------------------

def icc_profile(description, copyright, model_desc=None):
    def text_tag(text):  # 'desc' type, as v2 profiles have it
        ascii_text = text.encode("latin-1") + b"\0"
        return b"desc" + b"\0" * 4 + struct.pack(">I", len(ascii_text)) + ascii_text + b"\0" * 79

    tags = [(b"desc", text_tag(description)), (b"cprt", b"text\0\0\0\0" + copyright.encode() + b"\0"),
            (b"wtpt", b"XYZ \0\0\0\0" + struct.pack(">iii", 63190, 65536, 54061))]
    if model_desc:
        tags.append((b"dmdd", text_tag(model_desc)))
    offset = 128 + 4 + 12 * len(tags)
    table, data = b"", b""
    for sig, body in tags:
        while (offset + len(data)) % 4:
            data += b"\0"
        table += sig + struct.pack(">II", offset + len(data), len(body))
        data += body
    size = offset + len(data)
    header = (struct.pack(">I", size) + b"lcms" + bytes((2, 0x10, 0, 0)) + b"mntrRGB XYZ " + b"\0" * 12
              + b"acsp" + b"APPL" + b"\0" * 4 + b"\0" * 4 + b"\0" * 4 + b"\0" * 8 + b"\0" * 4
              + struct.pack(">iii", 63190, 65536, 54061) + b"lcms" + b"\0" * 16 + b"\0" * 28)
    assert len(header) == 128, len(header)
    return header + struct.pack(">I", len(tags)) + table + data


# --- JPEG --------------------------------------------------------------------------------

def segment(marker, body):
    return bytes((0xFF, marker)) + struct.pack(">H", len(body) + 2) + body


def base_jpeg(tmp, progressive=False):
    """A small JPEG without metadata, made from a sample."""
    src = os.path.join(SAMPLES, "jpeg_iptc_photoshop_adobe_no_exif.jpg")
    out = os.path.join(tmp, "base.jpg")
    args = ["jpegtran", "-copy", "none", "-optimize"] + (["-progressive"] if progressive else []) + [src]
    with open(out, "wb") as f:
        subprocess.run(args, check=True, stdout=f)
    with open(out, "rb") as f:
        return f.read()


def insert_after_soi(jpeg, seg):
    return jpeg[:2] + seg + jpeg[2:]


def insert_between_scans(jpeg, seg):
    """Puts `seg` right before the second SOS (or the tables that lead to it)."""
    first = jpeg.index(b"\xff\xda")
    at = first + 2
    while True:
        at = jpeg.index(b"\xff", at + 1)
        if jpeg[at + 1] not in (0x00,) and not (0xD0 <= jpeg[at + 1] <= 0xD7):
            return jpeg[:at] + seg + jpeg[at:]


# --- WebP and GIF ------------------------------------------------------------------------

def webp(tmp, extra):
    src = os.path.join(tmp, "w.png")
    with open(src, "wb") as f:
        f.write(png([]))
    out = os.path.join(tmp, "w.webp")
    subprocess.run(["cwebp", "-quiet", "-lossless", src, "-o", out], check=True)
    with open(out, "rb") as f:
        data = f.read()
    body = data[12:] + extra
    return b"RIFF" + struct.pack("<I", 4 + len(body)) + b"WEBP" + body


def webp_chunk(kind, body):
    return kind + struct.pack("<I", len(body)) + body + (b"\0" if len(body) % 2 else b"")


def gif(extensions):
    header = b"GIF89a" + struct.pack("<HH", 1, 1) + bytes((0x80, 0, 0)) + b"\0\0\0\xff\xff\xff"
    image = b"\x2c" + struct.pack("<HHHH", 0, 0, 1, 1) + b"\0" + b"\x02\x02\x44\x01\0"
    return header + b"".join(extensions) + image + b"\x3b"


def app_extension(ident, payload):
    blocks = b""
    for i in range(0, len(payload), 255):
        part = payload[i:i + 255]
        blocks += bytes((len(part),)) + part
    return b"\x21\xff\x0b" + ident + blocks + b"\0"


# --- TIFF --------------------------------------------------------------------------------

def tiff_two_images():
    """A 4x4 grey TIFF whose second IFD is a reduced-resolution image of something else."""
    def ifd(entries, next_offset):
        out = struct.pack("<H", len(entries))
        for tag, kind, count, value in sorted(entries):
            out += struct.pack("<HHII", tag, kind, count, value)
        return out + struct.pack("<I", next_offset)

    main_pixels = bytes([128] * 16)
    hidden_pixels = bytes([0, 255, 0, 255])
    ifd0_at = 8
    ifd0_size = 2 + 12 * 9 + 4
    ifd1_at = ifd0_at + ifd0_size
    ifd1_size = 2 + 12 * 9 + 4
    data_at = ifd1_at + ifd1_size
    main_at, hidden_at = data_at, data_at + len(main_pixels)

    def entries(width, height, strip, subfile):
        return [(254, 4, 1, subfile), (256, 3, 1, width), (257, 3, 1, height), (258, 3, 1, 8), (259, 3, 1, 1),
                (262, 3, 1, 1), (273, 4, 1, strip), (278, 3, 1, height), (279, 4, 1, width * height)]

    return (b"II*\0" + struct.pack("<I", ifd0_at) + ifd(entries(4, 4, main_at, 0), ifd1_at)
            + ifd(entries(2, 2, hidden_at, 1), 0) + main_pixels + hidden_pixels)


def main():
    if not shutil.which("exiftool") or not shutil.which("jpegtran") or not shutil.which("cwebp"):
        sys.exit("needs exiftool, jpegtran (libjpeg-turbo-progs) and cwebp (webp)")
    os.makedirs(OUT, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        # PNG: a C2PA manifest store, a private chunk
        write("png_c2pa_cabx.png", png([png_chunk(b"caBX", b"jumb" + c2pa_json())]))
        write("png_private_chunk.png", png([png_chunk(b"prVt", ("owner=%s;mail=%s" % (NAME, EMAIL)).encode())]))
        # WebP: an unknown chunk
        write("webp_unknown_chunk.webp", webp(tmp, webp_chunk(b"PRIV", ("serial=%s" % SERIAL).encode())))
        # GIF: an application extension, and ImageMagick's holding more than its gamma note
        write("gif_app_extension.gif", gif([app_extension(b"CAMERA  1.0", ("serial=%s" % SERIAL).encode())]))
        write("gif_imagemagick_text.gif",
              gif([app_extension(b"ImageMagick", ("gamma=0.45455 artist=%s" % NAME).encode())]))
        # JPEG: a comment and an APP4 segment between the scans of a progressive file
        prog = base_jpeg(tmp, progressive=True)
        write("jpeg_progressive_com_between_scans.jpg",
              insert_between_scans(prog, segment(0xFE, ("by %s <%s>" % (NAME, EMAIL)).encode())))
        write("jpeg_progressive_app4_between_scans.jpg",
              insert_between_scans(prog, segment(0xE4, ("host=%s ip=%s" % (HOST, IP)).encode())))
        base = base_jpeg(tmp)
        # JPEG: a C2PA (JUMBF) APP11 segment with GPS, and a motion-photo video after the image
        write("jpeg_c2pa_app11_gps.jpg", insert_after_soi(base, segment(0xEB, b"JP\0\0\0\0\0\1jumb" + c2pa_json())))
        write("jpeg_trailer_video_gps.jpg",
              base + b"\0\0\0\x18ftypmp42\0\0\0\0isommp42" + ("\xa9xyz+%s%s/" % (LAT, LON)).encode())
        # JPEG: colour profiles whose texts name a person or a display's serial
        for name, profile in (
                ("jpeg_icc_personal.jpg", icc_profile("sRGB calibrated for " + EMAIL, "Copyright " + NAME)),
                ("jpeg_icc_display_serial.jpg",
                 icc_profile("Display", "No copyright, use freely", "Monitor HX2400 serial " + SERIAL))):
            path = os.path.join(OUT, name)
            icc = os.path.join(tmp, "p.icc")
            with open(icc, "wb") as f:
                f.write(profile)
            with open(path, "wb") as f:
                f.write(base)
            exiftool("-overwrite_original", "-ICC_Profile<=" + icc, path)
        # JPEG: an IPTC caption holding the capture date (kept by "--remove exif")
        path = os.path.join(OUT, "jpeg_iptc_caption_date.jpg")
        with open(path, "wb") as f:
            f.write(base)
        exiftool("-overwrite_original", "-IPTC:Caption-Abstract=Taken 2019-03-04 14:15 by the lake",
                 "-Exif:Artist=" + NAME, path)
        # TIFF: a printer's host name and address, a camera label; a second, different image
        path = os.path.join(OUT, "tiff_printer_label.tif")
        exiftool("-all=", "-o", path, os.path.join(SAMPLES, "tiff_exiftool_ifd0_iptc_icc.tif"))
        exiftool("-overwrite_original", "-TargetPrinter=%s (%s)" % (HOST, IP), "-CameraLabel=" + EMAIL, path)
        write("tiff_reduced_second_image.tif", tiff_two_images())
        # DNG: camera label, reel name, profile name and copyright
        path = os.path.join(OUT, "dng_label_reel_profile.dng")
        shutil.copyfile(os.path.join(SAMPLES, "dng_canon_350d.dng"), path)
        exiftool("-overwrite_original", "-CameraLabel=" + EMAIL, "-ReelName=%s reel 7" % NAME,
                 "-ProfileName=%s portrait" % NAME, "-ProfileCopyright=Copyright " + NAME, path)


if __name__ == "__main__":
    main()
