#!/usr/bin/env bash
# Installs what is missing, then configures and builds into ./build.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/tools/setup.sh"
# Warnings fail this build (the CI and test command use it).
cmake -S "$here" -B "$here/build" -G Ninja -DMIRELO_WERROR=ON >/dev/null
cmake --build "$here/build" -j"$(nproc)"
