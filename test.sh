#!/usr/bin/env bash
# Installs what is missing, builds the suite and runs every test (without a
# display: the test harness uses Qt's offscreen platform). Window images of
# the tests are written to build/windows/.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build" -j "$(nproc)"
ctest --test-dir "$here/build" -j "$(nproc)" --output-on-failure
