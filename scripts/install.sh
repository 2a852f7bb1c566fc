#!/usr/bin/env bash
# Sets up, builds and installs zelvo, tarvel and zelvo-cli with their menu entries, icons and the
# manual page of zelvo-cli:
#   scripts/install.sh [PREFIX]        (default ~/.local: no root needed)
# Started from the menu, zelvo keeps its projects in ~/zelvo.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
prefix="${1:-$HOME/.local}"
cd "$top"
scripts/setup.sh
mkdir -p build
scripts/build.sh build
cmake --install build --prefix "$prefix" --strip
# A desktop that keeps a cache of its menu sees the new entries at once.
if command -v update-desktop-database > /dev/null 2>&1; then
  update-desktop-database -q "$prefix/share/applications" || true
fi
echo "Installed zelvo, tarvel and zelvo-cli into $prefix (programs in $prefix/bin, menu entries in"
echo "$prefix/share/applications, manual page: man zelvo-cli)."
case ":$PATH:" in
  *":$prefix/bin:"*) ;;
  *) echo "$prefix/bin is not on your PATH: add it (for instance in ~/.profile) to start the programs by name." ;;
esac
