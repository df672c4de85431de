#!/usr/bin/env bash
# Builds everything, then starts the program from its program folder.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/tools/build.sh"
exec "$here/build/bin/mirelo" "$@"
