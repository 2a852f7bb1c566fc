#!/usr/bin/env bash
# Whole-process timing of `zelvo-cli compute --peaks` on the benchmark's 150-year data set file:
# the median wall time of RUNS runs (after 3 warm-up runs) and the peak resident memory.
#   bench/time_cli.sh [BUILD_DIR] [RUNS]
# BUILD_DIR must be configured with -DZELVO_BUILD_BENCH=ON (default: build-bench).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build-bench}"
runs="${2:-30}"
cli="$build/zelvo-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$build/bench/zelvo_bench_dataset" "$work/dataset_1"
cmd=("$cli" compute "$work/dataset_1" -o "$work/hiout_1.csv" --peaks --area 1250 --title "bench - 150 years")

for _ in 1 2 3; do "${cmd[@]}"; done
times=()
for ((i = 0; i < runs; ++i)); do
  start=$(date +%s%N)
  "${cmd[@]}"
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
mid=$((runs / 2))
if ((runs % 2)); then median=${sorted[$mid]}; else median=$(( (sorted[mid - 1] + sorted[mid]) / 2 )); fi
printf 'zelvo-cli compute, %d runs: median %d.%03d ms (min %d.%03d ms, max %d.%03d ms)\n' "$runs" \
  $((median / 1000)) $((median % 1000)) $((sorted[0] / 1000)) $((sorted[0] % 1000)) \
  $((sorted[runs - 1] / 1000)) $((sorted[runs - 1] % 1000))
if [ -x /usr/bin/time ]; then
  rss=$(/usr/bin/time -f '%M' "${cmd[@]}" 2>&1 >/dev/null | tail -1)
  echo "peak resident memory: ${rss} KiB"
fi
if [ -n "${KEEP_HIOUT:-}" ]; then cp "$work/hiout_1.csv" "$KEEP_HIOUT"; fi
sha256sum "$work/hiout_1.csv" | sed "s|$work/||"
