#!/usr/bin/env bash
# The Debian package of a build folder holds working programs: it is made with cpack into a
# scratch folder, its control fields and file list are checked, and the command-line program
# unpacked from it writes a sample data folder and runs an analysis on it.
# Usage: deb_package_test.sh BUILD_DIR CPACK ACUTE GUI_BUILT(0|1) MAN_PAGE_MADE(0|1)
# Exit status 77 (skipped) when dpkg-deb or cpack's configuration is not available.
set -euo pipefail
build=$1
cpack=$2
acute=$3
gui=$4
man_made=$5
command -v dpkg-deb >/dev/null || { echo "dpkg-deb is not installed"; exit 77; }
[ -f "$build/CPackConfig.cmake" ] || { echo "no CPackConfig.cmake in $build"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1
then
  cat "$tmp/cpack.log"
  fail "cpack did not make the package"
fi
version=$("$acute" --version | awk '{print $2}')
deb=$tmp/out/acute_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$tmp/out"; fail "no package $(basename "$deb")"; }

# Control fields: the package is named by what it needs to run.
dpkg-deb -I "$deb" >"$tmp/info"
field() { sed -n "s/^ $1: //p" "$tmp/info"; }
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the program says $version"
depends=$(field Depends)
needed=(libc6 libstdc++6)
if [ "$gui" = 1 ]; then needed+=(libqt6widgets6 libqt6printsupport6 libqt6charts6); fi
names=$(sed 's/ *([^)]*)//g; s/ *[,|] */\n/g' <<<"$depends")  # without versions
for p in "${needed[@]}"; do
  grep -qxF "$p" <<<"$names" || fail "Depends lacks $p: $depends"
done

# File list.
dpkg-deb -c "$deb" | awk '{print $NF}' >"$tmp/files"
expect=(./usr/bin/acute ./usr/share/doc/acute/README.md)
if [ "$man_made" = 1 ]; then
  expect+=(./usr/share/man/man1/acute.1)
else
  echo "note: this build has no man page (help2man was not found)"
fi
if [ "$gui" = 1 ]; then
  expect+=(./usr/bin/acute-gui ./usr/share/applications/acute-gui.desktop
    ./usr/share/icons/hicolor/scalable/apps/acute-gui.svg)
fi
for f in "${expect[@]}"; do
  grep -qxF "$f" "$tmp/files" || fail "the package lacks $f"
done

# The unpacked files.
root=$tmp/root
dpkg-deb -x "$deb" "$root"
man=$root/usr/share/man/man1/acute.1
if [ "$man_made" = 1 ]; then  # the program's own help, not an error message help2man caught
  grep -q '^acute \\- acute dietary exposure analysis' "$man" || fail "acute.1 has no NAME line"
  grep -q 'sample\\-data' "$man" || fail "acute.1 does not list the subcommands"
  grep -q "$version" "$man" || fail "acute.1 does not carry version $version"
fi
if [ "$gui" = 1 ]; then
  desktop=$root/usr/share/applications/acute-gui.desktop
  exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [ -x "$root/usr/bin/$exec" ] || fail "the desktop entry starts $exec, not in usr/bin"
  [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon.svg"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refuses acute-gui.desktop"
  fi
fi

run() {  # runs the unpacked program, its output in $tmp/out.log; fails on a non-zero status
  local status=0
  "$root/usr/bin/acute" "$@" >"$tmp/out.log" 2>&1 || status=$?
  [ "$status" -eq 0 ] || { cat "$tmp/out.log"; fail "acute $* exited with $status"; }
}
run --version
cp "$tmp/out.log" "$tmp/version"
[ "$(cat "$tmp/version")" = "acute $version" ] || fail "acute --version says $(cat "$tmp/version")"
data=$tmp/data
run sample-data "$data" --persons 200
run --data "$data" analyze --residue SAMPLE.R10
[ -s "$data/acute.tmp" ] || fail "the analysis wrote no acute.tmp"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes; Depends: $depends"
