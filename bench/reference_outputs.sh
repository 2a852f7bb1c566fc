#!/usr/bin/env bash
# Writes the results files of zelvo-cli compute for the benchmark record under several option
# sets into OUT_DIR, for a byte comparison of two builds (an optimisation must not change one
# written digit):
#   bench/reference_outputs.sh BUILD_DIR OUT_DIR [AGENCY_DATA_DIR]
#   diff -r OUT_DIR_BEFORE OUT_DIR_AFTER
set -euo pipefail
build="$1"
out="$2"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/bench/zelvo_bench_dataset" "$work/with_peaks"
"$build/bench/zelvo_bench_dataset" "$work/without_peaks" --no-peaks
cli="$build/zelvo-cli"
"$cli" compute "$work/with_peaks" -o "$out/peaks.csv" --peaks --area 1250 --title peaks
"$cli" compute "$work/with_peaks" -o "$out/peaks_median.csv" --peaks --area 1250 --median --title median
"$cli" compute "$work/without_peaks" -o "$out/nopeaks_10_90.csv" --area 3.5 --lower 10 --upper 90 --title plain
"$cli" compute "$work/without_peaks" -o "$out/nopeaks_1_99_median.csv" --lower 1 --upper 99 --median --title extremes
# With a folder of agency daily-value files as third argument, each is imported as zelvo does and
# computed as well.
if [ $# -ge 3 ]; then
  for daily in "$3"/dv_*.txt; do
    name="$(basename "$daily" .txt)"
    "$cli" import "$daily" -o "$work/$name" > /dev/null 2>&1
    "$cli" compute "$work/$name" -o "$out/$name.csv" --area 100 --title "$name"
  done
fi
