#!/usr/bin/env bash
# Installs what is missing, then configures and builds into ./build.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/tools/setup.sh"
cmake -S "$here" -B "$here/build" -G Ninja >/dev/null
cmake --build "$here/build" -j"$(nproc)"
