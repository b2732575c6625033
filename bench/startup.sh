#!/usr/bin/env bash
# Start-up time (process start to the launcher drawn) and resident memory
# after start, next to an empty Qt window's, as medians of several runs under
# one virtual X server:  bench/startup.sh [RUNS]   (default 9)
# Each run uses a fresh settings file, so it is a first start.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-9}
"$root/tools/build.sh" build >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/build/shell/tressalo" "$root/build/shell/Tressalo.hlp" "$work/"

xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$runs" "$work" "$root/build/bench/emptywindow" <<'INNER'
runs=$1; work=$2; empty=$3
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
measure() { # NAME PROGRAM
  local times=() rss=()
  for _ in $(seq "$runs"); do
    rm -f "$work/Tressalo.INI"
    start=$(date +%s%N)
    read -r _ drawn _ kb < <(TRESSALO_STARTUP_PROBE=1 "$2" 2>/dev/null)
    times+=($(( (drawn - start) / 1000000 )))
    rss+=("$kb")
  done
  printf '%-22s start-up %5s ms   resident %6s kB   (median of %s)\n' "$1" \
    "$(printf '%s\n' "${times[@]}" | median)" "$(printf '%s\n' "${rss[@]}" | median)" "$runs"
}
measure "empty Qt window" "$empty"
measure "Tressalo launcher" "$work/tressalo"
INNER
