#!/usr/bin/env bash
# Installs what is missing, builds and starts the game.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build-release" -DCMAKE_BUILD_TYPE=Release -DTIKO_BUILD_TESTS=OFF -DTIKO_BUILD_BENCHMARKS=OFF
if [[ -x "$root/build-release/TIKO101" ]]; then
  cd "$root" && exec "$root/build-release/TIKO101" "$@"
fi
# Until the game window exists, the grid author's tool is what there is to run.
exec "$root/build-release/tools/tikogrid/tikogrid" "$@"
