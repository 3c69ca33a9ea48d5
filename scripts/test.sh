#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once as a normal build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

"$root/scripts/build.sh" "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd "$root/build-test" && ctest --output-on-failure -j "$(nproc)")

"$root/scripts/build.sh" "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DTIKO_SANITIZE=ON -DTIKO_BUILD_BENCHMARKS=OFF
(cd "$root/build-sanitize" && ctest --output-on-failure -j "$(nproc)")
