#!/usr/bin/env bash
# Installs the build as a user would and checks what a desktop, a shell and man look for:
#   install_test.sh BUILD_DIR prefix QT SOURCE_DIR
#                                           cmake --install into a temporary prefix (with a blank
#                                           in its name, as a user's folder may have)
#   install_test.sh BUILD_DIR deb           the .deb of cpack: its files and declared dependencies
# QT is ON when the desktop programs were built. Exit status 77: a tool the check needs is missing.
set -euo pipefail
build="$1"
what="$2"
qt="${3:-OFF}"
source="${4:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
  echo "install test: $*" >&2
  exit 1
}
sizes="16 22 24 32 48 64 128 256"

# Width and height of a PNG file from its IHDR chunk, as "W H"; empty when it is no PNG.
png_size() {
  local head
  head="$(od -An -tx1 -N24 "$1" | tr -d ' \n')"
  [ "${head:0:16}" = "89504e470d0a1a0a" ] || return 0
  echo "$((16#${head:32:8})) $((16#${head:40:8}))"
}

# One level of backslash escapes undone: "\x" becomes "x" (a desktop entry's "\\" and, inside a
# quoted Exec argument, \" \$ \` \\).
unescape() {
  local s="$1" out="" i
  for ((i = 0; i < ${#s}; i++)); do
    if [ "${s:i:1}" = "\\" ] && [ $((i + 1)) -lt ${#s} ]; then
      i=$((i + 1))
    fi
    out+="${s:i:1}"
  done
  printf '%s' "$out"
}

if [ "$what" = "deb" ]; then
  command -v cpack > /dev/null && command -v dpkg-deb > /dev/null || exit 77
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" > "$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack -G DEB failed"; }
  deb="$(ls "$work"/deb/*.deb)"
  depends="$(dpkg-deb -f "$deb" Depends)"
  for package in libqt6widgets6 libqt6printsupport6 libqcustomplot2.1-qt6 libstdc++6 hicolor-icon-theme; do
    case ", $depends," in *", $package"[,\ ]*) ;; *) fail "the package does not depend on $package: $depends" ;; esac
  done
  files="$(dpkg-deb -c "$deb" | awk '{print $6}')"
  for f in ./usr/bin/zelvo ./usr/bin/tarvel ./usr/bin/zelvo-cli ./usr/share/man/man1/zelvo-cli.1 \
      ./usr/share/applications/zelvo.desktop ./usr/share/applications/tarvel.desktop \
      ./usr/share/icons/hicolor/48x48/apps/zelvo.png ./usr/share/icons/hicolor/256x256/apps/tarvel.png \
      ./usr/share/zelvo/guide/guide.md ./usr/share/zelvo/guide/images/exceedence_curves.png; do
    grep -qx -- "$f" <<< "$files" || fail "the package lacks $f"
  done
  dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/tarvel.desktop | grep -qx 'TryExec=/usr/bin/tarvel' ||
    fail "the packaged desktop entry does not name /usr/bin/tarvel"
  echo "install test: $(basename "$deb") holds the programs, entries, icons and manual page; Depends: $depends"
  exit 0
fi

prefix="$work/my prefix"
cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "cmake --install failed"; }

# zelvo-cli and its manual page, with every command of its help.
[ -x "$prefix/bin/zelvo-cli" ] || fail "no bin/zelvo-cli"
help="$("$prefix/bin/zelvo-cli" --help)" || fail "the installed zelvo-cli does not run"
man="$prefix/share/man/man1/zelvo-cli.1"
[ -f "$man" ] || fail "no share/man/man1/zelvo-cli.1"
head -1 "$man" | grep -q '^\.TH ZELVO\\-CLI 1 ' || fail "the manual page does not begin with its .TH line"
commands=0
while read -r name; do
  grep -qxF ".B zelvo\\-cli ${name//-/\\-}" "$man" || fail "the manual page lacks the command $name"
  commands=$((commands + 1))
done < <(sed -n 's/^  zelvo-cli \([a-z-]*\) .*/\1/p' <<< "$help")
[ "$commands" -ge 5 ] || fail "the help lists only $commands commands"
if command -v man > /dev/null && command -v groff > /dev/null; then
  MANWIDTH=80 man --warnings -l "$man" > "$work/man.txt" 2> "$work/man.err" || fail "man cannot show the page"
  [ ! -s "$work/man.err" ] || { cat "$work/man.err"; fail "man warns about the page"; }
  grep -q "column mean|rule" "$work/man.txt" || fail "the shown page lacks the import options"
fi

if [ "$qt" = "ON" ]; then
  for program in zelvo tarvel; do
    [ -x "$prefix/bin/$program" ] || fail "no bin/$program"
    entry="$prefix/share/applications/$program.desktop"
    [ -f "$entry" ] || fail "no desktop entry $entry"
    grep -qx "Icon=$program" "$entry" || fail "$program.desktop names another icon"
    grep -qxF "TryExec=$prefix/bin/$program" "$entry" || fail "$program.desktop does not name $prefix/bin/$program"
    for size in $sizes; do
      icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$program.png"
      [ -f "$icon" ] || fail "no icon $icon"
      [ "$(png_size "$icon")" = "$size $size" ] || fail "$icon is not a ${size}x${size} PNG"
    done
  done
  if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate "$prefix"/share/applications/*.desktop || fail "desktop-file-validate refuses an entry"
  else
    echo "install test: desktop-file-validate not installed, the entries were not validated"
  fi
  # Start zelvo as the menu does: its Exec line's shell command, with a home of our own. zelvo
  # makes its project root in the folder it starts in, ~/zelvo.
  exec_line="$(sed -n 's/^Exec=//p' "$prefix/share/applications/zelvo.desktop")"
  exec_line="$(unescape "${exec_line//%%/%}")"
  case "$exec_line" in 'sh -c "'*'"') ;; *) fail "zelvo's Exec is not a shell command: $exec_line" ;; esac
  command="${exec_line#sh -c \"}"
  command="$(unescape "${command%\"}")"
  mkdir -p "$work/home"
  status=0
  HOME="$work/home" QT_QPA_PLATFORM=offscreen timeout 3 sh -c "$command" > "$work/zelvo.log" 2>&1 || status=$?
  [ "$status" -eq 124 ] || { cat "$work/zelvo.log"; fail "zelvo started from its entry ended with status $status"; }
  [ -d "$work/home/zelvo/zelvoproj" ] || fail "zelvo started from its entry made no ~/zelvo/zelvoproj"
fi
# The user guide and the folders beside it, when the source has them.
if [ -n "$source" ] && [ -f "$source/docs/guide.md" ]; then
  cmp -s "$source/docs/guide.md" "$prefix/share/zelvo/guide/guide.md" || fail "share/zelvo/guide/guide.md is not the guide"
  (cd "$source/docs" && find . -mindepth 2 -type f) | while read -r f; do
    cmp -s "$source/docs/$f" "$prefix/share/zelvo/guide/$f" || fail "share/zelvo/guide/$f is missing or differs"
  done
fi
echo "install test: $prefix holds what a desktop and a shell look for"
