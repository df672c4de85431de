#!/usr/bin/env bash
# Builds everything and runs every test. Each test starts its own Xvfb or
# sound server where it needs one (tests/support/run-test.sh).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/tools/build.sh"
ctest --test-dir "$here/build" --output-on-failure -j"$(nproc)" "$@"
