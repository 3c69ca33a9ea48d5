#!/usr/bin/env bash
# Configures and builds into a folder: build.sh DIR [cmake options...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"; shift
cmake -S "$root" -B "$dir" -G Ninja -DTIKO_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
