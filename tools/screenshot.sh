#!/usr/bin/env bash
# Takes the README's screenshot: the program under Xvfb with a window manager,
# right after start (the about dialog over the main window).
# Needs: xvfb openbox imagemagick (apt-get install -y xvfb openbox imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/bin/kalmo}
Xvfb :97 -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
DISPLAY=:97 openbox >/dev/null 2>&1 &
sleep 1
DISPLAY=:97 "$program" >/dev/null 2>&1 &
sleep 2
DISPLAY=:97 import -window root /tmp/kalmo-screenshot.png
convert /tmp/kalmo-screenshot.png -resize 1024x docs/screenshot.png
pkill -f "$program" || true
