#!/usr/bin/env bash
# Refreshes the translation sources resources/translations/Mirelo_<code>.ts
# from the texts marked for translation in the program's sources. The build
# compiles them into build/bin/Language.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
folders=()
for f in app core platform widgets sources jobs mainwindow services forms; do
  [ -d "$f" ] && folders+=("$f")
done
lupdate -silent -no-obsolete -locations none "${folders[@]}" -ts resources/translations/Mirelo_*.ts
