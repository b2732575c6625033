#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh"
"$root/tools/build.sh" build
exec "$root/build/shell/tressalo" "$@"
