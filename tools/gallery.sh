#!/usr/bin/env bash
# Builds, then renders every gallery entry (tools/gallery/entries.cpp) in both
# skins at scales 1.0 and 1.5 into build/gallery/<skin>/<scale>/<entry>.png.
# Give entry names to render only those; --language CODE renders in that
# language (de, fr, jp, ko, zh, zh_TW) instead of English.
#   tools/gallery.sh --live ENTRY   opens one window on the current display
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/tools/build.sh"
if [ "${1:-}" = "--live" ]; then
  exec "$here/build/tools/mirelo_gallery" --live "${2:?live entry name}" --skin "$here/build/bin/Skin"
fi
rm -rf "$here/build/gallery"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
  "$here/build/tools/mirelo_gallery" "$here/build/bin/Skin" "$here/build/gallery" "$@"
