#!/usr/bin/env bash
# Runs the capture tests on a Wine desktop of their own, 1024 x 768, on the current display, then
# has ImageMagick and Pillow decode the captures the tests kept and compares them with the pattern
# that was painted. Run it on a display of the depth to test:
#   tools/virtual-display.sh --depth 16 -- tests/effects/check_captures.sh capture_tests.exe
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../tools/lib.sh"
[ $# -ge 1 ] || die "usage: check_captures.sh capture_tests.exe [gtest options]"
tests=$1
shift

work=$(mktemp -d)
add_cleanup "rm -rf '$work'"
mkdir "$work/samples"
# Under a wineserver shared with a test run on another display, the default desktop is that
# display's: its size and its pixels would be what the desktop captures see. A desktop of our own
# lives on this display. Wine's explorer does not pass the program's exit code on, so gtest's
# report tells the outcome.
status=0
CAPTURE_SAMPLES=$(windows_path "$work/samples") "$TOOLS_DIR/wine-exec.sh" explorer \
  "/desktop=capture$$,1024x768" "$(windows_path "$tests")" \
  "--gtest_output=xml:$(windows_path "$work/report.xml")" "$@" || status=$?
[ "$status" -eq 0 ] || die "explorer exited with $status"
[ -f "$work/report.xml" ] || die "the capture tests wrote no report (did they crash?)"
summary=$(grep -m 1 -o '<testsuites [^>]*' "$work/report.xml")
[[ $summary =~ tests=\"([0-9]+)\" ]] && [ "${BASH_REMATCH[1]}" -gt 0 ] || die "no test ran"
[[ $summary =~ failures=\"0\" ]] && [[ $summary =~ errors=\"0\" ]] ||
  die "capture tests failed: $summary"

/usr/bin/python3 "$here/check_bmp_readers.py" "$work/samples"
