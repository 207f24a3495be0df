"""Cross-check of our table files with the python3-dbf package.

  dbf_gegenprobe.py lies TABLE       prints every record in the canonical form
  dbf_gegenprobe.py schreibe TABLE   writes the reference table

Canonical form: one line per record, "*" first when it is deleted, then the
fields separated by "|": text and memo as hex of their code page 850 bytes,
numbers with two decimals, dates as YYYY-MM-DD or "leer", logicals T or F.
"""
import datetime
import sys

import dbf


def kanonisch(tabelle):
    zeilen = []
    for satz in tabelle:
        teile = []
        for name in tabelle.field_names:
            typ = tabelle.field_info(name).field_type
            wert = satz[name]
            kind = chr(typ) if isinstance(typ, int) else str(typ)
            if kind in ("C", "M"):
                teile.append((wert or "").encode("cp850").hex())
            elif kind == "N":
                teile.append("%.2f" % (wert or 0))
            elif kind == "D":
                teile.append(wert.isoformat() if wert else "leer")
            elif kind == "L":
                teile.append("T" if wert else "F")
            else:
                teile.append("?")
        zeilen.append(("*" if dbf.is_deleted(satz) else "") + "|".join(teile))
    return zeilen


def lies(pfad):
    t = dbf.Table(pfad)
    t.open(mode=dbf.READ_ONLY)
    for zeile in kanonisch(t):
        print(zeile)
    t.close()


def schreibe(pfad):
    t = dbf.Table(pfad, "auftrnr N(6,0); name C(20); betrag N(9,2); datum D; ok L; notiz M",
                  dbf_type="db3", codepage="cp850")
    t.open(mode=dbf.READ_WRITE)
    t.append((4711, "Müller-Straße Ä", 1234.5, datetime.date(2026, 2, 28), True,
              "Erste Zeile\r\nzweite Zeile mit öäü ß\r\n" + "x" * 1000))
    t.append((0, "", 0, None, False, ""))
    t.append((12, "Gelöscht", -3.25, datetime.date(1999, 12, 31), False, "kurz"))
    dbf.delete(t[2])
    t.close()


if __name__ == "__main__":
    {"lies": lies, "schreibe": schreibe}[sys.argv[1]](sys.argv[2])
