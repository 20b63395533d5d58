#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix and checks what a desktop and a
# player get from it. Arguments: the cmake program, the build folder, the
# project version.
set -uo pipefail

cmake_program=$1
build=$2
version=$3
app_id=org.tesseran.Tesseran

for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
game=
cleanup() {
  if [ -n "$game" ]; then kill "$game" 2>/dev/null; wait "$game" 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

prefix=$work/prefix
if ! "$cmake_program" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi

# --- the files ------------------------------------------------------------------
[ -x "$prefix/bin/tesseran" ] || fail "bin/tesseran is missing or not executable"
[ -s "$prefix/share/tesseran/TesseranSys.dll" ] || fail "share/tesseran/TesseranSys.dll is missing"
desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
[ -f "$desktop" ] || fail "the desktop entry $app_id.desktop is missing"
[ -f "$metainfo" ] || fail "the metainfo $app_id.metainfo.xml is missing"

# The icons, each a PNG of its size (width and height from the IHDR chunk).
for size in 16 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/tesseran.png
  if [ ! -f "$icon" ]; then
    fail "icon ${size}x${size} is missing"
    continue
  fi
  read -r -a header < <(od -An -v -tu1 -N24 "$icon" | tr -s ' \n' ' ')
  width=$(( (header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19] ))
  height=$(( (header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23] ))
  [ "${header[1]}${header[2]}${header[3]}" = "807871" ] || fail "icon ${size}x${size} is not a PNG"
  if [ "$width" -ne "$size" ] || [ "$height" -ne "$size" ]; then
    fail "icon ${size}x${size} is ${width}x${height}"
  fi
done

# The help: the three pages and every picture they show, in Japanese and in
# English (help/en), and nothing else (the build's help folder also holds
# the build system's files).
for help in "$prefix/share/tesseran/help" "$prefix/share/tesseran/help/en"; do
  for page in tesseran_sousa.html tesseran_rule.html tesseran_kakehiki.html; do
    [ -s "$help/$page" ] || fail "help page $page is missing from $help"
  done
  while read -r picture; do
    [ -s "$help/$picture" ] || fail "help picture $picture (shown by a page) is missing from $help"
  done < <(grep -oh 'src="[^"]*"' "$help"/*.html 2>/dev/null | sed 's/^src="//; s/"$//' | sort -u)
done
help=$prefix/share/tesseran/help
stray=$(cd "$help" 2>/dev/null && find . -mindepth 1 \( -type d ! -path ./images ! -path ./en ! -path ./en/images \) -o \( -type f ! -name '*.html' ! -path './images/*.png' ! -path './images/*.jpg' ! -path './images/*.gif' ! -path './en/images/*.png' ! -path './en/images/*.jpg' ! -path './en/images/*.gif' \))
[ -z "$stray" ] || fail "help holds files that are not pages or pictures: $stray"

# --- the desktop's view -----------------------------------------------------------
if [ -f "$desktop" ]; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
  grep -qx 'Exec=tesseran' "$desktop" || fail "the desktop entry does not start tesseran"
  grep -qx 'Icon=tesseran' "$desktop" || fail "the desktop entry does not name the icon tesseran"
fi
if [ -f "$metainfo" ]; then
  # validate-tree also checks that the desktop entry the metainfo launches is installed.
  appstreamcli validate-tree --no-net --pedantic "$prefix" || fail "appstreamcli validate-tree"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
  grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
fi

# --- the installed program ------------------------------------------------------
# Started with an empty home, no other data folders and the build tree out of
# reach, it must find its data file in its own prefix. The first thing it
# writes is the new campaign, and only after the card sheet is loaded and the
# table is ready; without the sheet it stops at a message box and writes
# nothing.
start_game() {  # $1: a folder for HOME and the XDG folders
  mkdir -p "$1/home" "$1/config" "$1/data" "$1/tmp"
  HOME=$1/home XDG_CONFIG_HOME=$1/config XDG_DATA_HOME=$1/data XDG_DATA_DIRS=$1/data TMPDIR=$1/tmp \
    QT_QPA_PLATFORM=offscreen "$prefix/bin/tesseran" >"$1/output.log" 2>&1 &
  game=$!
}
stop_game() {
  kill "$game" 2>/dev/null
  wait "$game" 2>/dev/null
  game=
}
settings_file=Brindlewick/Tesseran.conf
campaign_written() {  # $1: the config folder
  grep -qx 'INIT=1' "$1/$settings_file" 2>/dev/null
}

if [ -x "$prefix/bin/tesseran" ]; then
  start_game "$work/run"
  for _ in $(seq 1 100); do
    campaign_written "$work/run/config" && break
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
  done
  if ! campaign_written "$work/run/config"; then
    cat "$work/run/output.log"
    fail "the installed program did not get as far as the campaign within 10 seconds"
  fi
  kill -0 "$game" 2>/dev/null || fail "the installed program ended by itself"
  stop_game

  # The same start without the data file must not get there: the check above
  # means something.
  mv "$prefix/share/tesseran/TesseranSys.dll" "$work/TesseranSys.dll"
  start_game "$work/missing"
  sleep 2
  campaign_written "$work/missing/config" && fail "the program started without its data file"
  stop_game
  mv "$work/TesseranSys.dll" "$prefix/share/tesseran/TesseranSys.dll"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed into a prefix: all checks passed"
