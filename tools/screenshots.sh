#!/usr/bin/env bash
# Pictures of the launcher, options, statistics, about and help windows, drawn
# under a virtual X server: tools/screenshots.sh [OUTPUT_FOLDER]
# (default build/screenshots).  The README's launcher picture is
# docs/launcher.png, copied from there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/screenshots}
"$root/tools/build.sh" build >/dev/null
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/tools/shots/tressalo_shots" "$out"
mkdir -p "$root/docs"
cp "$out/launcher-wallpaper.png" "$root/docs/launcher.png"
echo "pictures in $out"
