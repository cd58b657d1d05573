#!/usr/bin/env bash
# Runs the capture tests on the current display, then has ImageMagick and Pillow decode the
# captures the tests kept and compares them with the pattern that was painted. Run it on a display
# of the depth to test:
#   tools/virtual-display.sh --depth 16 -- tests/effects/check_captures.sh capture_tests.exe
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../tools/lib.sh"
[ $# -ge 1 ] || die "usage: check_captures.sh capture_tests.exe [gtest options]"
tests=$1
shift

samples=$(mktemp -d)
add_cleanup "rm -rf '$samples'"
CAPTURE_SAMPLES=$(windows_path "$samples") "$TOOLS_DIR/wine-exec.sh" "$tests" "$@"
/usr/bin/python3 "$here/check_bmp_readers.py" "$samples"
