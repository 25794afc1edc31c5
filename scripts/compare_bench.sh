#!/usr/bin/env bash
# Times two builds of quorvane_bench side by side: the same benchmarks, runs of the two
# interleaved (which goes first alternates from round to round), each pinned to one core,
# so that a load that comes and goes on a shared machine falls on both alike.
#
#   bash scripts/compare_bench.sh BASE_BUILD NEW_BUILD [rounds] [core] [filter]
#
# BASE_BUILD and NEW_BUILD are build folders (Release) holding bench/quorvane_bench;
# rounds 15, core 7 and the filter 'Step|Redraw' by default. Each round runs each build
# once with three repetitions of a fifth of a second. Printed per benchmark: the CPU time
# of each build (median and fastest of all repetitions) and new against base.
set -euo pipefail

if [[ $# -lt 2 ]]; then
  echo "usage: $0 BASE_BUILD NEW_BUILD [rounds] [core] [filter]" >&2
  exit 2
fi
base="$1/bench/quorvane_bench"
new="$2/bench/quorvane_bench"
rounds="${3:-15}"
core="${4:-7}"
filter="${5:-Step|Redraw}"
for b in "$base" "$new"; do
  [[ -x "$b" ]] || { echo "no benchmark program at $b" >&2; exit 2; }
done

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

run() {  # build-name program round
  taskset -c "$core" "$2" --benchmark_filter="$filter" --benchmark_repetitions=3 \
    --benchmark_min_time=0.2 --benchmark_format=json >"$out/$1.$3.json" 2>/dev/null
}

for ((r = 1; r <= rounds; r++)); do
  if ((r % 2)); then
    run base "$base" "$r"
    run new "$new" "$r"
  else
    run new "$new" "$r"
    run base "$base" "$r"
  fi
  echo "round $r of $rounds done" >&2
done

echo "$(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) at the end; core $core, $rounds rounds"
python3 - "$out" <<'EOF'
import glob, json, os, statistics, sys

folder = sys.argv[1]
times = {"base": {}, "new": {}}
order = []
for build in times:
    for path in sorted(glob.glob(os.path.join(folder, build + ".*.json"))):
        with open(path) as f:
            for run in json.load(f)["benchmarks"]:
                if run.get("run_type") == "aggregate":
                    continue
                name = run["run_name"]
                if name not in order:
                    order.append(name)
                times[build].setdefault(name, []).append((run["cpu_time"], run["time_unit"]))

print(f"{'benchmark':<18} {'base median':>12} {'new median':>12} {'new/base':>9} "
      f"{'base best':>11} {'new best':>11} {'new/base':>9}")
for name in order:
    b = times["base"].get(name, [])
    n = times["new"].get(name, [])
    if not b or not n:
        continue
    unit = b[0][1]
    bm, nm = statistics.median(t for t, _ in b), statistics.median(t for t, _ in n)
    bb, nb = min(t for t, _ in b), min(t for t, _ in n)
    print(f"{name:<18} {bm:>9.3f} {unit:<2} {nm:>9.3f} {unit:<2} {100 * (nm / bm - 1):>+8.1f}% "
          f"{bb:>8.3f} {unit:<2} {nb:>8.3f} {unit:<2} {100 * (nb / bb - 1):>+8.1f}%")
EOF
