#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build (core, command line, Qt programs and
# their offscreen tests), then core and command-line tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
scripts/setup.sh
mkdir -p build
scripts/build.sh build
# House rules, the folder order, the committed style and clang-tidy (with the build's compile commands).
scripts/checks.sh build
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)
mkdir -p build-asan
scripts/build.sh build-asan -DZELVO_SANITIZE=ON -DZELVO_BUILD_QT=OFF -DCMAKE_BUILD_TYPE=Debug
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2)
