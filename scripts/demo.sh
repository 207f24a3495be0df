#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the demo data:
# the document generator fills a letter for demo case 1001 (printed to the
# terminal), then the e-invoice program runs. Without a display it writes the demo invoice in batch
# mode and prints where it is; with a display it opens the invoice window.
# Idempotent: the demo drive and base folder are created only when missing,
# an existing Stammdaten.ini is left alone, the demo invoice is rewritten.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

exe=build/apps/xrechnung/xrechnung
drive="$("$exe" "$@" --drive-folder)"   # drive C: (BT_DRIVE_C or --drive C=DIR, else the user data folder)
mkdir -p "$drive/Vuvuvira/xR"
echo "Laufwerk C: liegt in $drive"

echo "Demo-Brief für Fall 1001 (Vorlage tests/data/brief/template.txt):"
echo "------------------------------------------------------------------"
build/apps/docgen/docgen --data build/demo/data --case 1001 replace tests/data/brief/template.txt \
  | iconv -f CP1252 -t UTF-8
echo "------------------------------------------------------------------"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Kein Bildschirm: die Demo-Rechnung wird ohne Fenster geschrieben."
  status=0
  pfad="$("$exe" "$@" --write apps/xrechnung/demo-rechnung.txt)" || status=$?
  if [ -n "$pfad" ]; then echo "Rechnung geschrieben: $pfad"; fi
  exit $status
fi
exec "$exe" "$@"
