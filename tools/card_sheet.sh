#!/usr/bin/env bash
# Builds the program and writes a contact sheet of the card set, as the
# program draws it, at 1x and 2x: tools/card_sheet.sh [OUT.png]
# (default build/card_sheet.png; the 2x sheet is OUT@2x.png).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/card_sheet.png}
"$root/tools/build.sh" build
QT_QPA_PLATFORM=offscreen "$root/build/tools/cardsheet/tressalo_cardsheet" "$out"
