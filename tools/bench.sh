#!/usr/bin/env bash
# Start-up benchmark: tirval against a bare Win32 window, on a virtual display. Prints figures only.
#   tools/bench.sh [RUNS]   (default 15)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

"$TOOLS_DIR/setup.sh"
log "building i686"
build_arch i686 tirval bare_window startup_bench
dir=$(build_dir i686)
start_virtual_display 24
start_wineserver
# Launched from a folder of their own, so what tirval writes beside itself stays there.
work=$BUILD_ROOT/bench-run
rm -rf "$work"
mkdir -p "$work"
cp "$dir/tirval/tirval.exe" "$dir/bench/bare_window.exe" "$work/"
cd "$work"
"$TOOLS_DIR/wine-exec.sh" "$dir/bench/startup_bench.exe" \
  tirval.exe "Animation Effects Demo" bare_window.exe "Bare Window" "${1:-15}"
