#!/usr/bin/env bash
# Benchmarks on virtual displays: tirval's start-up against a bare Win32 window, the text
# animation against the pauses it makes, lumboABC's restart with a new background against two
# bare launches, the window animation's subclass against a window's own procedure, the capture of
# a 1920 x 1080 client area to BMP against a BitBlt-and-write floor, and the whole GradientFill
# on such a client area against a fill, a capture and a bitmap paint. Prints figures only.
#   tools/bench.sh [RUNS]   (default 15 launches, captures and gradients; the animation takes 9)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

"$TOOLS_DIR/setup.sh"
log "building i686"
build_arch i686 tirval lumboABC bare_window startup_bench text_animation_bench restart_bench \
  print_client_bench capture_bench gradient_bench
dir=$(build_dir i686)

# A display and a wineserver of its own, so that the screen the capture and the gradient see is
# 1920 x 1080.
(
  start_virtual_display 24 1920x1080
  start_wineserver
  "$TOOLS_DIR/wine-exec.sh" "$dir/bench/capture_bench.exe" "${1:-15}"
  "$TOOLS_DIR/wine-exec.sh" "$dir/bench/gradient_bench.exe" "${1:-15}"
)

start_virtual_display 24
start_wineserver
# Launched from a folder of their own, so what tirval writes beside itself stays there.
work=$BUILD_ROOT/bench-run
rm -rf "$work"
mkdir -p "$work"
cp "$dir/tirval/tirval.exe" "$dir/lumboABC/lumboABC.exe" "$dir/bench/bare_window.exe" "$work/"
cd "$work"
"$TOOLS_DIR/wine-exec.sh" "$dir/bench/startup_bench.exe" \
  tirval.exe "Animation Effects Demo" bare_window.exe "Bare Window" "${1:-15}"
"$TOOLS_DIR/wine-exec.sh" "$dir/bench/text_animation_bench.exe"
"$TOOLS_DIR/wine-exec.sh" "$dir/bench/restart_bench.exe" \
  "$(windows_path "$work/lumboABC.exe")" bare_window.exe "Bare Window"
"$TOOLS_DIR/wine-exec.sh" "$dir/bench/print_client_bench.exe"
