#!/usr/bin/env bash
# Builds the Debian package from a build folder and tries it as a user would:
# its file list, its desktop entry and metainfo, then the unpacked program
# under Xvfb until its menu window shows.
# Usage: check-package.sh <build folder> <1 when tilelab-hand is built, else 0>
set -euo pipefail
build=$(readlink -f "$1")
with_hand=$2

for tool in cpack dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli man xvfb-run xdotool xmllint; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (tools/setup.sh installs it)"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack did not build the package"; }
debs=("$work"/out/tilelab_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single tilelab_<version>_<arch>.deb: $(ls "$work/out")"
deb=${debs[0]}
echo "package: $(basename "$deb")"

# The file list.
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$work/files"
expected=(
  /usr/bin/tilelab
  /usr/share/applications/tilelab.desktop
  /usr/share/icons/hicolor/32x32/apps/tilelab.png
  /usr/share/icons/hicolor/64x64/apps/tilelab.png
  /usr/share/icons/hicolor/128x128/apps/tilelab.png
  /usr/share/icons/hicolor/scalable/apps/tilelab.svg
  /usr/share/metainfo/io.github.tilelab.TileLab.metainfo.xml
  /usr/share/mime/packages/tilelab-position.xml
  /usr/share/man/man1/tilelab.1.gz
  /usr/share/doc/tilelab/copyright
)
[ "$with_hand" = 1 ] && expected+=(/usr/bin/tilelab-hand /usr/share/man/man1/tilelab-hand.1.gz)
for f in "${expected[@]}"; do grep -qxF "$f" "$work/files" || fail "the package lacks $f"; done
# Nothing of the build or the tests slips in.
grep -E '/(include|lib)/|test|\.a$' "$work/files" && fail "the package carries build or test files"

# The control data: dependencies found from the binaries, the font, the licence.
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libstdc++6 fonts-ipafont-gothic; do
  [[ "$depends" == *"$d"* ]] || fail "Depends lacks $d: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
grep -qx 'License: MIT' "$root/usr/share/doc/tilelab/copyright" || fail "the copyright file names no MIT licence"
desktop-file-validate "$root/usr/share/applications/tilelab.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.tilelab.TileLab.metainfo.xml" ||
  fail "appstreamcli validate"
# The desktop finds .tilelab-position files by the MIME type the package declares.
mkdir -p "$work/mime/packages"
cp "$root/usr/share/mime/packages/tilelab-position.xml" "$work/mime/packages/"
xmllint --noout "$work/mime/packages/tilelab-position.xml" || fail "tilelab-position.xml is no XML"
if command -v update-mime-database >/dev/null; then
  update-mime-database "$work/mime" && grep -qx 'application/x-tilelab-position:\*.tilelab-position' "$work/mime/globs" ||
    fail "the MIME type names no *.tilelab-position"
fi
for page in "$root"/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done

# The unpacked program prints its version without a window, then opens its menu.
"$root/usr/bin/tilelab" --version | grep -q '^tilelab ' || fail "tilelab --version"
[ "$with_hand" = 1 ] && { "$root/usr/bin/tilelab-hand" --version >/dev/null || fail "tilelab-hand --version"; }
# Starts the unpacked program with the given arguments and waits for a window
# whose title begins with $1.
shows() {
  local title=$1
  shift
  HOME="$work/home" LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
    unset QT_QPA_PLATFORM
    title=$1 log=$2
    shift 2
    "$@" >"$log" 2>&1 &
    app=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^$title" | head -n 1)
    kill "$app" 2>/dev/null
    wait "$app" 2>/dev/null
    [ -n "$window" ]' _ "$title" "$work/run.log" "$root/usr/bin/tilelab" "$@" ||
    { cat "$work/run.log"; fail "tilelab $*: no window '$title'"; }
}
shows "牌理工房  メニュー"
# In English, with a record named on the command line: the viewer opens over the menu.
shows "TileLab  Records" --lang en "$(dirname "$(readlink -f "$0")")/../tests/data/records/example.csv"
echo "package: files, metadata, manual pages and start checked"
