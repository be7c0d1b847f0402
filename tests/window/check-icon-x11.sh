#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the program under a virtual X server and reads the icon that its
# window gives the window manager (_NET_WM_ICON): a 16 by 16 and a 32 by 32
# image, each with drawn and transparent pixels.
#   check-icon-x11.sh PROGRAM
set -euo pipefail
program=$1

for tool in Xvfb xprop xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (packages xvfb, x11-utils, xdotool)"
        exit 77
    fi
done

scratch=$(mktemp -d)
server=
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
server=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
if [ ! -s "$scratch/display" ]; then
    echo "FAIL: the X server did not start"
    cat "$scratch/xvfb.log"
    exit 1
fi
export DISPLAY=":$(head -n1 "$scratch/display")"

# libxkbcommon-x11 copies names out of the X server's replies with strndup;
# they are not NUL-terminated, which AddressSanitizer's strict string checks
# take for an overflow.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0" \
    QT_QPA_PLATFORM=xcb "$program" 2>"$scratch/program.log" &
app=$!
window=
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --pid "$app" --name "Rated Load" 2>/dev/null | head -n1) || true
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "FAIL: no window of the program appeared"
    cat "$scratch/program.log"
    exit 1
fi

# The property is a run of images: width, height, then width x height ARGB pixels.
icon=$(xprop -id "$window" -notype 32c _NET_WM_ICON)
if [[ "$icon" != "_NET_WM_ICON = "* ]]; then
    echo "FAIL: the window has no icon: $icon"
    exit 1
fi
sed -e 's/^[^=]*=//' -e 's/,/ /g' <<<"$icon" | awk '
{ for (i = 1; i <= NF; ++i) value[count++] = $i }
END {
    at = 0
    while (at + 2 <= count) {
        width = value[at]; height = value[at + 1]; at += 2
        opaque = 0; clear = 0
        for (p = 0; p < width * height && at < count; ++p) {
            if (value[at++] >= 16777216) ++opaque; else ++clear
        }
        printf "image %dx%d: %d drawn, %d transparent pixels\n", width, height, opaque, clear
        if (opaque > 0 && clear > 0) good[width "x" height] = 1
    }
    if (!good["16x16"] || !good["32x32"]) { print "FAIL: no 16x16 and 32x32 icon images"; exit 1 }
    print "PASS"
}'
