#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix: CMake's cross-compiling emulator, so
# `ctest` runs every test executable through it. Keeps WINEPREFIX, DISPLAY and WINEDEBUG if set.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

[ $# -ge 1 ] || die "usage: wine-exec.sh PROGRAM.exe [ARGS...]"
# Wine would otherwise create a default prefix silently, without the settings the tests rely on.
[ -f "$PREFIX_MARKER" ] || die "no Wine prefix at $WINEPREFIX: run tools/setup.sh first"
export WINEDEBUG=${WINEDEBUG:--all}
exec wine "$@"
