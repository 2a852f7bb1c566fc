#!/usr/bin/env bash
# Cheap house-rule checks; they print a hint and fail the test run.
#   scripts/checks.sh [BUILD_DIR]   (with a configured build folder, clang-tidy runs as well)
set -uo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
status=0
# The core layer never includes Qt.
if grep -rn --include='*.h' --include='*.cpp' -E '#include\s*<Q[A-Za-z]' common zelvo tarvel cli | grep -v '/qt/' ; then
  echo "checks: a Qt include outside a qt/ folder (core must not use Qt)"; status=1
fi
# Binary records are written field by field, never a struct in one piece.
if grep -rn --include='*.cpp' -E 'write\(\s*reinterpret_cast<const char\*>\(&' common zelvo tarvel cli | grep -v '/qt/'; then
  echo "checks: a struct written to disk in one piece"; status=1
fi

# Folders include one another only downward:
#   common/io -> common/engine, common/ui -> common/import -> zelvo/files, tarvel -> zelvo/session
#   -> zelvo/store, zelvo/graphs -> zelvo/analysis -> zelvo/shell, cli
# A folder's qt/ face may include what its folder may, its folder, common/qt and the qt/ faces of
# the folders below it. zelvo and tarvel never include each other; cli includes no Qt.
edges=$(for f in $(git ls-files 'common/*' 'zelvo/*' 'tarvel/*' 'cli/*' | grep -E '\.(h|cpp)$'); do
  sed -n -E 's|^#include "([^"]+)/[^/"]+".*|\1|p' "$f" | sed "s|^|$f $(dirname "$f") |"
done)
bad=$(printf '%s\n' "$edges" | awk '
  function rank(d) {
    if (d == "common/io") return 0
    if (d == "common/engine" || d == "common/ui") return 1
    if (d == "common/import") return 2
    if (d == "zelvo/files" || d == "tarvel") return 3
    if (d == "zelvo/session") return 4
    if (d == "zelvo/store" || d == "zelvo/graphs") return 5
    if (d == "zelvo/analysis") return 6
    if (d == "zelvo/shell" || d == "cli") return 7
    return -1
  }
  function base(d) { sub(/\/qt$/, "", d); return d }
  function isqt(d) { return d ~ /\/qt$/ }
  function program(d) { split(d, p, "/"); return p[1] }
  NF == 3 {
    file = $1; from = $2; to = $3
    if (from == to) next
    fb = base(from); tb = base(to)
    if (from == "common/qt") { if (!isqt(to) && rank(to) >= 0 && rank(to) <= 2) next }
    else if (to == "common/qt") { if (isqt(from)) next }
    else if (isqt(to) && !isqt(from)) { }
    else if (fb == tb && isqt(from)) next
    else if ((program(fb) == "zelvo" && program(tb) == "tarvel") || (program(fb) == "tarvel" && program(tb) == "zelvo")) { }
    else if (fb == "cli" && isqt(to)) { }
    else if (rank(fb) >= 0 && rank(tb) >= 0 && rank(tb) < rank(fb)) next
    print file ": " from " includes " to
  }')
if [ -n "$bad" ]; then
  echo "$bad"
  echo "checks: an include runs up the folder order (see the order at the top of README's Layout section)"; status=1
fi

# The committed .clang-format is the style of every source file.
if command -v clang-format >/dev/null 2>&1; then
  unformatted=$(git ls-files '*.cpp' '*.h' | while read -r f; do
    clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || echo "$f"; done)
  if [ -n "$unformatted" ]; then
    echo "$unformatted"
    echo "checks: these files differ from the committed style; run: clang-format -i FILE"; status=1
  fi
fi

# clang-tidy (.clang-tidy: bugprone-*, performance-*) on the core and command line, where it is
# installed and a configured build folder gives the compile commands.
build="${1:-}"
if [ -n "$build" ] && [ -f "$build/compile_commands.json" ] && command -v run-clang-tidy >/dev/null 2>&1; then
  # clang does not know the GCC-only vectoriser option of the engine's sources: a copy of the
  # compile commands without it.
  commands="$build/clang-tidy-commands"
  mkdir -p "$commands"
  sed 's/ -fvect-cost-model=[a-z]*//g' "$build/compile_commands.json" > "$commands/compile_commands.json"
  if ! run-clang-tidy -quiet -p "$commands" -j 2 "$top/(common/(io|engine|import|ui)|zelvo/[a-z]+|tarvel|cli)/[A-Za-z]+\.cpp$" \
      > "$build/clang-tidy.log" 2>&1; then
    grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u | head -40
    echo "checks: clang-tidy found something (full output in $build/clang-tidy.log)"; status=1
  fi
fi
exit $status
