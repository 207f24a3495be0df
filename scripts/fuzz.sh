#!/usr/bin/env bash
# Builds one libFuzzer target with the "fuzz" preset (clang) and runs it.
#   scripts/fuzz.sh NAME [SECONDS]     e.g. scripts/fuzz.sh fuzz_expr 120, scripts/fuzz.sh dbf_lesen_fuzz 120
# Fuzz targets live in fuzz/*/. Seeds kept in the repository come from fuzz/corpus/NAME or a
# folder seeds/NAME below fuzz/, tokens from NAME.dict below fuzz/ (when present). The corpus
# grows in build-fuzz/corpus/NAME; crash inputs land in build-fuzz/artifacts/NAME.
set -euo pipefail
cd "$(dirname "$0")/.."
name="${1:?usage: scripts/fuzz.sh NAME [SECONDS]}"
sekunden="${2:-60}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "$name" -j2
mkdir -p "build-fuzz/corpus/$name" "build-fuzz/artifacts/$name"
extra=()
[ -d "fuzz/corpus/$name" ] && extra+=("fuzz/corpus/$name")
seeds=$(find fuzz -type d -path "*/seeds/$name" | head -n 1)
[ -n "$seeds" ] && extra+=("$seeds")
dict=$(find fuzz -type f -name "$name.dict" | head -n 1)
[ -n "$dict" ] && extra+=("-dict=$dict")
if [ "$name" = dbf_lesen_fuzz ] && [ -z "$(ls -A "build-fuzz/corpus/$name")" ]; then
  # A seed: a small table with a memo, as two length bytes, the DBF and the DBT.
  /usr/bin/python3 - "build-fuzz/corpus/$name" <<'PY'
import dbf, datetime, os, sys, tempfile
d = tempfile.mkdtemp()
t = dbf.Table(os.path.join(d, "s.dbf"), "name C(8); nr N(6,2); am D; ok L; notiz M", dbf_type="db3", codepage="cp850")
t.open(mode=dbf.READ_WRITE)
t.append(("Anna", 1.5, datetime.date(2026, 1, 2), True, "Notiz"))
t.append(("Bernd", -2, None, False, ""))
t.close()
a = open(os.path.join(d, "s.dbf"), "rb").read()
b = open(os.path.join(d, "s.dbt"), "rb").read()
open(os.path.join(sys.argv[1], "seed1"), "wb").write(len(a).to_bytes(2, "little") + a + b)
PY
fi
# Targets that write temporary files run faster in memory.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ]; then export TMPDIR=/dev/shm; fi
programm="$(find build-fuzz/fuzz -type f -name "$name" -perm -u+x | head -1)"
exec "$programm" -max_total_time="$sekunden" -max_len=8192 -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="build-fuzz/artifacts/$name/" -print_final_stats=1 "build-fuzz/corpus/$name" "${extra[@]}"
