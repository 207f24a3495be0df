#!/usr/bin/env bash
# Builds the demo data folder (DBF/DBT tables from demo/data) into a folder.
#   scripts/demo-data.sh [ZIEL]      default: build/demo/data
set -euo pipefail
cd "$(dirname "$0")/.."
ziel="${1:-build/demo/data}"
[ -f build/build.ninja ] || cmake --preset default >/dev/null
cmake --build --preset default --target demo_tabellen -j2 >/dev/null
build/demo/demo_tabellen demo/data "$ziel"
echo "$ziel"
