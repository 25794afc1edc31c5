#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   scripts/test.sh             the normal build, in build/
#   scripts/test.sh --sanitize  the same tests under AddressSanitizer and UBSan, in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
quorvane_install_deps

build=build
# Warnings are errors here and in CI; a plain cmake build only warns.
options=(-DQUORVANE_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  options+=(-DQUORVANE_SANITIZE=ON -DQUORVANE_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug)
  export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=0:detect_stack_use_after_return=1}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
fi
cmake -S . -B "$build" "${options[@]}"
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
