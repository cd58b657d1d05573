#!/usr/bin/env bash
# Runs a Windows program under Wine: CMake's cross-compiling emulator, so `ctest` runs every test
# executable through it. Uses the project's prefix unless the caller set WINEPREFIX; keeps DISPLAY,
# and WINEDEBUG if set.
set -euo pipefail
callers_prefix=${WINEPREFIX:-}
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
export WINEPREFIX=${callers_prefix:-$PROJECT_PREFIX}

[ $# -ge 1 ] || die "usage: wine-exec.sh PROGRAM.exe [ARGS...]"
# Wine would otherwise create the project's prefix silently, without the settings tests rely on.
if [ "$WINEPREFIX" = "$PROJECT_PREFIX" ] && [ ! -f "$PREFIX_MARKER" ]; then
  die "no Wine prefix at $WINEPREFIX: run tools/setup.sh first"
fi
export WINEDEBUG=${WINEDEBUG:--all}
exec wine "$@"
