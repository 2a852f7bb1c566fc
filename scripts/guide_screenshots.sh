#!/usr/bin/env bash
# Takes the pictures of the user guide again: works the guide's example through in the real
# windows of zelvo and tarvel on the offscreen platform and saves each window into docs/images.
#   scripts/guide_screenshots.sh [BUILD_DIR]
# BUILD_DIR (default: build) is configured and built when it has no zelvo_guide_shots yet, else
# only that program is brought up to date. The reports the guide quotes (dump.txt, comprpt.txt,
# the hiout files) are left in BUILD_DIR/guide_reports for checking its numbers.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath -m "${1:-$top/build}")"
if [ ! -f "$build/CMakeCache.txt" ]; then
  mkdir -p "$build"
  "$top/scripts/build.sh" "$build"
fi
cmake --build "$build" -j2 --target zelvo_guide_shots
images="$top/docs/images"
reports="$build/guide_reports"
rm -rf "$reports"
mkdir -p "$images" "$reports"
ZELVO_GUIDE_IMAGES="$images" ZELVO_GUIDE_REPORTS="$reports" QT_QPA_PLATFORM=offscreen \
  "$build/zelvo_guide_shots"
echo "Pictures of the guide in $images:"
ls "$images"
echo "The reports behind its numbers in $reports"
