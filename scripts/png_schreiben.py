"""Writes 8-bit PNG files from rows of pixel bytes (no image library needed)."""
import struct
import zlib

RGB = 2
RGBA = 6


def schreibe_png(pfad, breite, hoehe, zeilen, farbtyp=RGB):
    """zeilen: one bytes-like object per row, 3 (RGB) or 4 (RGBA) bytes a pixel."""
    roh = b"".join(b"\x00" + bytes(z) for z in zeilen)

    def stueck(art, inhalt):
        return struct.pack(">I", len(inhalt)) + art + inhalt + struct.pack(">I", zlib.crc32(art + inhalt))

    with open(pfad, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(stueck(b"IHDR", struct.pack(">IIBBBBB", breite, hoehe, 8, farbtyp, 0, 0, 0)))
        f.write(stueck(b"IDAT", zlib.compress(roh, 9)))
        f.write(stueck(b"IEND", b""))
