#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the demo data:
# the e-invoice program. Without a display it writes the demo invoice in batch
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

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Kein Bildschirm: die Demo-Rechnung wird ohne Fenster geschrieben."
  status=0
  pfad="$("$exe" "$@" --write apps/xrechnung/demo-rechnung.txt)" || status=$?
  if [ -n "$pfad" ]; then echo "Rechnung geschrieben: $pfad"; fi
  exit $status
fi
exec "$exe" "$@"
