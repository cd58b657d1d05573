#!/usr/bin/env bash
# Runs a command on a fresh Xvfb display of a given depth, with one persistent wineserver for the
# prefix (reused if one is already running), and stops both afterwards.
#   tools/virtual-display.sh [--depth 24|16|8] [--size WxH] [--] COMMAND [ARGS...]
# Under one shared wineserver each Wine process still sees the depth of its own DISPLAY, so a test
# that needs 16 or 8 bits can run this inside a 24-bit test run.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

depth=24
size=1280x1024
while [ $# -gt 0 ]; do
  case $1 in
    --depth) depth=$2; shift 2 ;;
    --size) size=$2; shift 2 ;;
    --) shift; break ;;
    -*) die "unknown option $1" ;;
    *) break ;;
  esac
done
[ $# -ge 1 ] || die "usage: virtual-display.sh [--depth N] [--size WxH] [--] COMMAND [ARGS...]"

start_virtual_display "$depth" "$size"
start_wineserver
status=0
"$@" || status=$?
exit "$status"
