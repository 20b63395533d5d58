#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts two copies of the game at the same instant, PAIRS times (100 by
# default), on a virtual display with one settings folder and one work
# folder for all of them. Each time exactly one game must stay, with its
# table window open (not a message box), and the other must end by itself
# within five seconds. The game that stayed is then killed, so each next
# pair also finds the lock and the socket of a game that died.
#
#   scripts/simultaneous-starts.sh [PAIRS]      (after make build)
set -euo pipefail
cd "$(dirname "$0")/.."

pairs=${1:-100}
game=${GAME:-build/tesseran}
display=:$((90 + RANDOM % 9))
home=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$home"' EXIT

Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=$display XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run TMPDIR=$home/tmp
mkdir -p "$XDG_RUNTIME_DIR" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"

# The width of the widest window a process shows (0 when it shows none).
widest_window() {
  local width=0 id w
  for id in $(xdotool search --pid "$1" --onlyvisible --name . 2>/dev/null); do
    w=$(xwininfo -id "$id" 2>/dev/null | awk '/Width:/ {print $2}')
    [ -n "$w" ] && [ "$w" -gt "$width" ] && width=$w
  done
  echo "$width"
}

failures=0
for pair in $(seq 1 "$pairs"); do
  "$game" >/dev/null 2>&1 &
  first=$!
  "$game" >/dev/null 2>&1 &
  second=$!
  ended=""
  for _ in $(seq 1 50); do
    sleep 0.1
    kill -0 "$first" 2>/dev/null || { ended=$first; break; }
    kill -0 "$second" 2>/dev/null || { ended=$second; break; }
  done
  if [ -z "$ended" ]; then
    echo "pair $pair: both copies still run after 5 s"
    failures=$((failures + 1))
    kill -9 "$first" "$second" 2>/dev/null || true
    continue
  fi
  wait "$ended" && code=0 || code=$?
  stayed=$([ "$ended" = "$first" ] && echo "$second" || echo "$first")
  sleep 1
  width=0
  for _ in $(seq 1 30); do
    width=$(widest_window "$stayed")
    [ "$width" -ge 640 ] && break
    sleep 0.1
  done
  if [ "$code" -ne 0 ] || ! kill -0 "$stayed" 2>/dev/null || [ "$width" -lt 640 ]; then
    echo "pair $pair: the copy that ended returned $code; the one that stayed shows a window $width wide"
    failures=$((failures + 1))
  fi
  kill -9 "$stayed" 2>/dev/null || true
  wait "$stayed" 2>/dev/null || true
done
echo "simultaneous starts: $pairs pairs, $failures failed"
[ "$failures" -eq 0 ]
