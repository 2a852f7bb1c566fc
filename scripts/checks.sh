#!/usr/bin/env bash
# Cheap house-rule checks; they print a hint and fail the test run.
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
exit $status
