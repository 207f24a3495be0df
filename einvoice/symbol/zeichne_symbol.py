#!/usr/bin/env python3
"""Draws the program icon of the e-invoice program: a sheet of paper with a
folded corner, a few lines of text and a blue invoice stamp. Writes a 64x64
RGBA PNG with the standard library only (run it again after changing it)."""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from png_schreiben import RGBA, schreibe_png  # noqa: E402

G = 64
bild = [[(0, 0, 0, 0) for _ in range(G)] for _ in range(G)]


def setze(x, y, farbe, deckung=1.0):
    if not (0 <= x < G and 0 <= y < G) or deckung <= 0:
        return
    r, g, b, a = bild[y][x]
    fr, fg, fb = farbe
    d = min(1.0, deckung)
    na = d + (a / 255) * (1 - d)
    if na == 0:
        return
    mix = lambda neu, alt: round((neu * d + alt * (a / 255) * (1 - d)) / na)
    bild[y][x] = (mix(fr, r), mix(fg, g), mix(fb, b), round(na * 255))


def fuelle(form, farbe):
    # 4x4 supersampling for soft edges
    for y in range(G):
        for x in range(G):
            treffer = sum(form(x + (i + 0.5) / 4, y + (j + 0.5) / 4) for i in range(4) for j in range(4))
            setze(x, y, farbe, treffer / 16)


LINKS, RECHTS, OBEN, UNTEN, ECKE = 10, 52, 4, 60, 12


def blatt(x, y):
    if not (LINKS <= x <= RECHTS and OBEN <= y <= UNTEN):
        return False
    return (x - (RECHTS - ECKE)) + (OBEN + ECKE - y) <= ECKE


def rand(x, y):
    innen = lambda x, y: blatt(x, y)
    return innen(x, y) and not (innen(x - 1.5, y) and innen(x + 1.5, y) and innen(x, y - 1.5) and innen(x, y + 1.5))


def ecke(x, y):
    return RECHTS - ECKE <= x <= RECHTS and OBEN <= y <= OBEN + ECKE and (x - (RECHTS - ECKE)) >= (y - OBEN)


def zeilen(x, y):
    for i, laenge in enumerate([24, 30, 28, 18]):
        oben = 20 + i * 7
        if 16 <= x <= 16 + laenge and oben <= y <= oben + 2.5:
            return True
    return False


def stempel(x, y):
    d = math.hypot(x - 42, y - 48)
    return 7.0 <= d <= 10.0


def haken(x, y):
    def strecke(ax, ay, bx, by, breite):
        vx, vy = bx - ax, by - ay
        t = max(0, min(1, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
        return math.hypot(x - (ax + t * vx), y - (ay + t * vy)) <= breite
    return strecke(37.5, 48, 41, 52, 1.6) or strecke(41, 52, 47, 44, 1.6)


fuelle(blatt, (255, 255, 255))
fuelle(ecke, (205, 212, 222))
fuelle(rand, (70, 80, 95))
fuelle(zeilen, (120, 135, 160))
fuelle(lambda x, y: math.hypot(x - 42, y - 48) < 10, (255, 255, 255))
fuelle(stempel, (30, 90, 170))
fuelle(haken, (30, 90, 170))


def png(pfad):
    zeilen = [bytes(c for p in zeile for c in p) for zeile in bild]
    schreibe_png(pfad, G, G, zeilen, RGBA)


png(sys.argv[1] if len(sys.argv) > 1 else "programm.png")
