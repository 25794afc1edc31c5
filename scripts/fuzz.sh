#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under AddressSanitizer and UBSan (in
# build-fuzz/) and runs each for a few seconds from its seed inputs.
#   scripts/fuzz.sh           every target, 5 seconds each
#   scripts/fuzz.sh 60        every target, 60 seconds each
#   scripts/fuzz.sh 600       the long campaign: every target for ten minutes
#   scripts/fuzz.sh 600 document_flow paste_flow   only the targets named
# FUZZ_TIMEOUT (seconds, 60 by default) is the longest one input may run; JOBS the build's
# parallel jobs.
# Without clang it says so and does nothing: the fuzz targets are clang's alone.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-5}
shift || true

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ is not installed, so the fuzz targets are skipped (apt-get install clang)."
  exit 0
fi
probe='extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }'
if ! echo "$probe" | clang++ -fsanitize=fuzzer,address -x c++ - -o /dev/null 2>/dev/null; then
  echo "fuzz: clang++ cannot link libFuzzer here, so the fuzz targets are skipped."
  exit 0
fi

jobs=${JOBS:-$(nproc)}
build=build-fuzz
# Warnings stop this build as they stop the others: it is the one that clang compiles.
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_FUZZ=ON \
  -DQUORVANE_WERROR=ON -DQUORVANE_QT=OFF -DQUORVANE_BENCHMARKS=OFF >/dev/null
targets=$(sed -n 's/^quorvane_fuzz_target(\([a-z_]*\))$/\1/p' fuzz/CMakeLists.txt)
if [ $# -gt 0 ]; then
  for t in "$@"; do
    if ! grep -qx "$t" <<<"$targets"; then
      echo "fuzz: there is no target '$t'; the targets are:" $targets
      exit 1
    fi
  done
  targets="$*"
fi
for t in $targets; do cmake --build "$build" -j"$jobs" --target "quorvane_fuzz_$t" >/dev/null; done

# Seeds: the committed ones, and the files the program reads that the tree already holds.
seed_sources() {
  case "$1" in
    shape_file) echo data/Shapes/*.DAT ;;
    document | document_flow) echo tests/editor/data/*.qvn ;;
    paste_flow) echo fuzz/seeds/clip_text/* ;;
  esac
}

# The longest input each target tries. A document of 51 elements (one more than a section
# holds) runs to about 16 KB, past the largest seed, which libFuzzer's default would take as
# the limit; the clipboard text of 51 elements is about as long.
max_len() {
  case "$1" in
    document | document_flow | paste_flow | clip_text) echo 32768 ;;
    *) echo 0 ;; # libFuzzer's own choice
  esac
}
# An input that runs longer than this is reported as a hang; libFuzzer's default, 1200 s,
# is longer than the whole campaign.
timeout=${FUZZ_TIMEOUT:-60}

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=0:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
for t in $targets; do
  corpus="$build/corpus/$t"
  mkdir -p "$corpus"
  [ -d "fuzz/seeds/$t" ] && cp -f fuzz/seeds/"$t"/* "$corpus"/ 2>/dev/null || true
  for f in $(seed_sources "$t"); do [ -f "$f" ] && cp -f "$f" "$corpus"/; done
  echo "fuzz: $t for ${seconds}s"
  log="$build/$t.log"
  if ! "$build/quorvane_fuzz_$t" -max_total_time="$seconds" -timeout="$timeout" -max_len="$(max_len "$t")" \
    -print_final_stats=1 -artifact_prefix="$build/$t-" "$corpus" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz: $t failed; the input that shows it is in $build/$t-*"
    exit 1
  fi
  grep -E "^#[0-9]+ +DONE|^stat::number_of_executed_units|^stat::average_exec_per_sec|^stat::peak_rss_mb" "$log" || true
done
