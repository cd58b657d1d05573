#!/usr/bin/env bash
# Builds a demo program (the effects demo unless named) and shows it: on $DISPLAY when there is
# one; otherwise on a virtual display, where a tour of its windows is saved as PNG screenshots in
# screenshots/.
#   tools/run.sh [tirval|lumboABC] [--docs]
#   --docs also copies the screenshots into docs/screenshots/ for the README
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

usage="usage: run.sh [tirval|lumboABC] [--docs]"
docs=0
program=tirval
for arg in "$@"; do
  case $arg in
    --docs) docs=1 ;;
    tirval | lumboABC) program=$arg ;;
    *) die "$usage" ;;
  esac
done

"$TOOLS_DIR/setup.sh"
log "building i686"
build_arch i686 "$program" tour
exe=$(build_dir i686)/$program/$program.exe

if display_reachable && [ $docs -eq 0 ]; then
  log "running $program on $DISPLAY"
  # A folder of its own for the INI file it writes beside itself.
  run_dir=$BUILD_ROOT/run
  mkdir -p "$run_dir"
  cp "$exe" "$run_dir/"
  cd "$run_dir"
  exec "$TOOLS_DIR/wine-exec.sh" "$program.exe"
fi

tour=$(build_dir i686)/tests/tour/tour.exe
bmp_dir=$BUILD_ROOT/tour
rm -rf "$bmp_dir"
mkdir -p "$bmp_dir"
status=0
(
  start_virtual_display 24
  start_wineserver
  "$TOOLS_DIR/wine-exec.sh" "$tour" "$(windows_path "$exe")" "$(windows_path "$bmp_dir")"
) || status=$?

png_dir=$REPO_ROOT/screenshots
rm -rf "$png_dir"
mkdir -p "$png_dir"
# What the tour did capture is kept even when a later step failed.
shopt -s nullglob
for bmp in "$bmp_dir"/*.bmp; do
  convert "$bmp" "$png_dir/$(basename "${bmp%.bmp}").png"
done
pngs=("$png_dir"/*.png)
if [ $docs -eq 1 ] && [ $status -eq 0 ]; then
  mkdir -p "$REPO_ROOT/docs/screenshots"
  cp "${pngs[@]}" "$REPO_ROOT/docs/screenshots/"
  log "copied into docs/screenshots/"
fi
log "${#pngs[@]} screenshots in $png_dir/"
printf '  %s\n' "${pngs[@]##*/}"
[ $status -eq 0 ] || die "the tour failed (exit $status)"
