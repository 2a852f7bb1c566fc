#!/usr/bin/env bash
# Whole-network timing of `zelvo-cli indices` on generated agency files, side by side with
# `zelvo-cli import` + `zelvo-cli compute` gauge by gauge:
#   bench/time_indices.sh [BUILD_DIR] [JOBS] [SIDE_BY_SIDE_GAUGES]
# 1,000 files of 150 water years with their peak-flow files, and 10,000 files of 30 water years.
# Prints the wall time, gauges per second and peak resident memory of each run, and the wall
# time per gauge of import + compute on the first SIDE_BY_SIDE_GAUGES (default 50) of each set.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build-bench}"
jobs="${2:-2}"
side="${3:-50}"
cli="$build/zelvo-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$build/bench/zelvo_bench_gauges" "$work/long" 1000 150 --peaks
"$build/bench/zelvo_bench_gauges" "$work/short" 10000 30

now() { date +%s%N; }
report() {  # name count start end rss
  local ms=$(( ($4 - $3) / 1000000 ))
  printf '%s: %d gauges in %d.%03d s, %d gauges/s, peak resident memory %s KiB\n' "$1" "$2" \
    $((ms / 1000)) $((ms % 1000)) $(( $2 * 1000 / (ms > 0 ? ms : 1) )) "$5"
}
run_indices() {  # name count args...
  local name="$1" count="$2"
  shift 2
  cat "$work/$name"/dv_* > /dev/null  # the files in the page cache, as for a second run
  local start end rss
  start=$(now)
  rss=$(/usr/bin/time -f '%M' "$cli" indices "$@" --jobs "$jobs" -o "$work/$name.csv" 2>&1 >/dev/null | tail -1)
  end=$(now)
  report "indices $name" "$count" "$start" "$end" "$rss"
}
run_indices long 1000 "$work/long" --peak-dir "$work/long/peaks"
run_indices short 10000 "$work/short"

side_by_side() {  # name peaks(0/1)
  local name="$1" start end i=0 site ms
  start=$(now)
  for daily in "$work/$1"/dv_*; do
    ((i++ < side)) || break
    site="$(basename "$daily" .txt)"
    site="${site#dv_}"
    if [ "$2" = 1 ]; then
      "$cli" import "$daily" --peak-file "$work/$1/peaks/pk_$site.txt" -o "$work/ds" > /dev/null 2>&1
      "$cli" compute "$work/ds" --peaks -o "$work/hi.csv"
    else
      "$cli" import "$daily" -o "$work/ds" > /dev/null 2>&1
      "$cli" compute "$work/ds" -o "$work/hi.csv"
    fi
  done
  end=$(now)
  ms=$(( (end - start) / 1000 / side ))
  printf 'import + compute %s, one gauge after the other: %d.%03d ms per gauge, %d gauges/s\n' "$1" \
    $((ms / 1000)) $((ms % 1000)) $(( 1000000 / (ms > 0 ? ms : 1) ))
}
side_by_side long 1
side_by_side short 0
