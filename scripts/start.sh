#!/usr/bin/env bash
# Sets up, builds and starts zelvo. Where the desktop program was not built this computes the indices of
# the sample data set and says where the results file went.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
scripts/setup.sh
mkdir -p build
scripts/build.sh build
if [ -x build/zelvo ]; then
  exec build/zelvo "$@"
fi
out="$top/build/sample_hiout.csv"
build/zelvo-cli compute samples/dataset_1 --peaks --title "Sample Creek" -o "$out"
echo "Hydrologic indices of samples/dataset_1 written to $out"
