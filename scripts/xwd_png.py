#!/usr/bin/env python3
"""Converts an X window dump (xwd, TrueColor ZPixmap, 24 or 32 bits a pixel) into a PNG,
optionally cut to a rectangle: xwd_png.py IN.xwd OUT.png [X Y W H]."""
import struct
import sys

from png_schreiben import schreibe_png


def lies_xwd(pfad):
    daten = open(pfad, "rb").read()
    kopf = struct.unpack(">25I", daten[:100])
    kopf_groesse, _, _, tiefe, breite, hoehe = kopf[0], kopf[1], kopf[2], kopf[3], kopf[4], kopf[5]
    byte_order, bits_pro_pixel, bytes_pro_zeile = kopf[7], kopf[11], kopf[12]
    rot_maske, gruen_maske, blau_maske = kopf[14], kopf[15], kopf[16]
    farben = kopf[19]
    if bits_pro_pixel not in (24, 32):
        sys.exit(f"xwd_png: nur 24 oder 32 Bit je Pixel, nicht {bits_pro_pixel}")
    bpp = bits_pro_pixel // 8
    start = kopf_groesse + farben * 12
    pixel = daten[start:]

    def byte_stelle(maske):
        stelle = ((maske & -maske).bit_length() - 1) // 8
        return stelle if byte_order == 0 else bpp - 1 - stelle

    stellen = [byte_stelle(m) for m in (rot_maske, gruen_maske, blau_maske)]
    zeilen = []
    for y in range(hoehe):
        roh = pixel[y * bytes_pro_zeile : y * bytes_pro_zeile + bpp * breite]
        zeile = bytearray(3 * breite)
        for k, stelle in enumerate(stellen):
            zeile[k::3] = roh[stelle::bpp]
        zeilen.append(zeile)
    return breite, hoehe, zeilen


breite, hoehe, zeilen = lies_xwd(sys.argv[1])
if len(sys.argv) == 7:
    x, y, w, h = (int(a) for a in sys.argv[3:7])
    w, h = min(w, breite - x), min(h, hoehe - y)
    zeilen = [z[3 * x : 3 * (x + w)] for z in zeilen[y : y + h]]
    breite, hoehe = w, h
schreibe_png(sys.argv[2], breite, hoehe, zeilen)
