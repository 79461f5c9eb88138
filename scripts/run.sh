#!/usr/bin/env bash
# Installs what is needed, builds Quarvex (Release, in build/) and starts the
# desktop program, optionally reading a data file at once:
#   bash scripts/run.sh [DATA_FILE]
# Without a display it says so and runs the batch design on a bundled sample
# (or on DATA_FILE) instead, printing the capacities.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

file=""
if [ $# -gt 0 ]; then
  if [ ! -f "$1" ]; then
    echo "run.sh: no such file: $1" >&2
    exit 2
  fi
  file=$(readlink -f "$1")
fi

cd "$root"
bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
targets=(quarvex)
if cmake --build build --target help 2>/dev/null | grep -q '^quarvex-batch:'; then
  targets+=(quarvex-batch)
fi
cmake --build build -j"$jobs" --target "${targets[@]}"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/src/app/quarvex ${file:+"$file"}
fi

echo "run.sh: no display (DISPLAY and WAYLAND_DISPLAY are empty), so the desktop program cannot open its window."
batch=build/src/batch/quarvex-batch
if [ ! -x "$batch" ]; then
  echo "run.sh: the batch command quarvex-batch is not part of this build; nothing more to run." >&2
  exit 1
fi

sample=${file:-$root/samples/english_ft-tsf_comma.txt}
# The units follow the sample names (…_m-MPa_…, …_m-mV_…); anything else is ft-tsf.
case "$(basename "$sample")" in
  *m-MPa*) units=m-MPa ;;
  *m-mV* | *illivolt*) units=m-mV ;;
  *) units=ft-tsf ;;
esac
outdir=$(mktemp -d)
echo "Running the batch design instead: $(basename "$sample") ($units), square 14 in pile, automatic layers"
echo
"$batch" "$sample" --units "$units" --size 14 --output "$outdir/Output.dat"
echo
echo "The whole design output is in $outdir/Output.dat"
