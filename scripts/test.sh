#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
#   scripts/test.sh              normal build in build/
#   scripts/test.sh --sanitize   ASan+UBSan build in build-asan/
#   scripts/test.sh -- ARGS      further arguments go to ctest (e.g. -R Frame)
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
cmake_args=()
ctest_args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --sanitize) build=build-asan; cmake_args+=(-DCORVINA_SANITIZE=ON) ;;
    --) shift; ctest_args+=("$@"); break ;;
    *) ctest_args+=("$1") ;;
  esac
  shift
done

scripts/bootstrap.sh gnokii-cli gammu khal khard
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${cmake_args[@]}" >/dev/null
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "${ctest_args[@]}"
