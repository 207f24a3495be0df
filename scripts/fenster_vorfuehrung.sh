#!/usr/bin/env bash
# Runs the xrechnung program by hand under Xvfb, the way a user would: types an
# invoice, Alt+T, a work description, Ctrl+S, Enter, Alt+X, Esc (keys from
# xdotool). Takes screenshots of the entry window and of the editor into docs/
# and checks that the description file and the XML invoice are there.
#
#   bash scripts/fenster_vorfuehrung.sh        (needs a build, Xvfb, xdotool, xwd)
set -euo pipefail
[ -n "${VORFUEHRUNG_SPUR:-}" ] && set -x
cd "$(dirname "$0")/.."

for t in xvfb-run xdotool xwd python3; do
  command -v "$t" >/dev/null || { echo "fenster_vorfuehrung: $t fehlt (apt-get install xvfb xdotool x11-apps)"; exit 2; }
done
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

exe=build/apps/xrechnung/xrechnung
[ -x "$exe" ] || { echo "fenster_vorfuehrung: $exe fehlt (cmake --build --preset default)"; exit 2; }
laufwerk=$(mktemp -d)
mkdir -p "$laufwerk/Vuvuvira/xR"
app=""
aufraeumen() { [ -n "$app" ] && kill "$app" 2>/dev/null; rm -rf "$laufwerk"; }
trap aufraeumen EXIT

foto() {  # foto WINDOW-ID OUT.png
  local x y w h
  eval "$(xdotool getwindowgeometry --shell "$1" | sed 's/^/local_/')"
  xwd -root -silent > "$laufwerk/bild.xwd"
  python3 scripts/xwd_png.py "$laufwerk/bild.xwd" "$2" "$local_X" "$local_Y" "$local_WIDTH" "$local_HEIGHT"
}

QT_QPA_PLATFORM=xcb "$exe" --drive C="$laufwerk" & app=$!
haupt=$(xdotool search --sync --onlyvisible --name "Programm zur xRechnung" | head -1)
sleep 1
xdotool windowfocus --sync "$haupt"

tippe() { xdotool type --delay 20 "$1"; }
taste() { xdotool key --delay 60 "$@"; }

tippe "17";       taste Tab
tippe "20261211"; taste Tab
tippe "20261210"; taste Tab
tippe "Sarg Eiche, Innenausstattung"; taste Tab
tippe "850.00"; taste Tab; tippe "1"; taste Tab; tippe "850.00"; taste Tab
taste Tab; tippe "45.00"; taste Tab; tippe "3"; taste Tab; tippe "135.00"; taste Tab

taste alt+t
editor=$(xdotool search --sync --onlyvisible --name "Beschreibung erfassen" | head -1)
sleep 1
xdotool windowfocus --sync "$editor"
tippe "Abholung am 09.12.2026, Versorgung und Einbettung."; taste shift+Return
tippe "Aufbahrung im Abschiedsraum, Gespräch mit den Angehörigen."
taste ctrl+s
sleep 0.5
foto "$editor" docs/editor.png
taste Return
sleep 1

xdotool windowfocus --sync "$haupt"
taste alt+x
sleep 1
foto "$haupt" docs/eingabefenster.png
if [ -n "${VORFUEHRUNG_SPUR:-}" ]; then
  xwd -root -silent > "$laufwerk/bild.xwd"; python3 scripts/xwd_png.py "$laufwerk/bild.xwd" /tmp/vorfuehrung_ganz.png
fi
taste Escape
wait "$app"; app=""

ok=0
for f in "Vuvuvira/xR/R17/R17.txt" "Vuvuvira/xR/R17/R17_zug.xml"; do
  if [ -s "$laufwerk/$f" ]; then echo "da: C:/$f"; else echo "FEHLT: C:/$f"; ok=1; fi
done
echo "--- R17.txt (Windows-1252):"
iconv -f CP1252 -t UTF-8 "$laufwerk/Vuvuvira/xR/R17/R17.txt" | tr -d '\r'; echo
grep -o '<ram:LineTotalAmount>[^<]*' "$laufwerk/Vuvuvira/xR/R17/R17_zug.xml" || true
exit $ok
