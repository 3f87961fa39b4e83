#!/usr/bin/env bash
# Installs what is missing, builds the suite and starts one program
# (Pillamor when none is named). Data files go to the current folder.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
program="${1:-Pillamor}"
"$here/scripts/deps.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build" --target "$program"
exe="$(find "$here/build/apps" -type f -name "$program" -perm -u+x | head -n 1)"
[ -n "$exe" ] || { echo "no program named $program" >&2; exit 1; }
exec "$exe"
