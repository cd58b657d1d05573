#!/usr/bin/env bash
# The whole check: set-up, formatting, both builds, and every test under Wine on a virtual display.
# Exits non-zero if any of them failed; runs the later stages even so, to report everything at once.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$REPO_ROOT"
started=$SECONDS

"$TOOLS_DIR/setup.sh"

summary=()
failed=0
record() {  # record STAGE ok|failed TEXT
  summary+=("$(printf '%-16s %s' "$1" "$3")")
  [ "$2" = ok ] || failed=1
}

check_format() {
  local dirs=() files=() d
  for d in runtime framework effects tirval lumboABC tests bench tools; do
    if [ -d "$d" ]; then dirs+=("$d"); fi
  done
  if [ ${#dirs[@]} -gt 0 ]; then
    mapfile -t files < <(find "${dirs[@]}" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' \) | sort)
  fi
  if [ ${#files[@]} -gt 0 ]; then
    clang-format --dry-run --Werror "${files[@]}"
  fi
}

log "checking formatting"
if check_format; then
  record format ok ok
else
  record format failed "FAILED (clang-format -i the files above)"
fi

built=()
for arch in i686 x86_64; do
  log "building $arch"
  if build_arch "$arch"; then
    record "build $arch" ok ok
    built+=("$arch")
  else
    record "build $arch" failed FAILED
  fi
done

total_passed=0
total_failed=0
if [ ${#built[@]} -gt 0 ]; then
  start_virtual_display 24
  start_wineserver
  for arch in "${built[@]}"; do
    log "testing $arch"
    ctest_log=$(build_dir "$arch")/ctest.log
    status=0
    # A hung test must not eat the whole run; an empty run is a fault, not a pass.
    ctest --test-dir "$(build_dir "$arch")" --output-on-failure --timeout 300 --no-tests=error \
      2>&1 | tee "$ctest_log" || status=$?
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$ctest_log" | tail -n 1 || true)
    if [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
      nfailed=${BASH_REMATCH[1]}
      npassed=$((BASH_REMATCH[2] - nfailed))
      total_passed=$((total_passed + npassed))
      total_failed=$((total_failed + nfailed))
      if [ "$status" -eq 0 ]; then
        record "tests $arch" ok "$npassed passed, $nfailed failed"
      else
        record "tests $arch" failed "$npassed passed, $nfailed failed (ctest exit $status)"
      fi
    else
      record "tests $arch" failed "FAILED (ctest exit $status)"
    fi
  done
fi

elapsed=$((SECONDS - started))
echo
echo "Summary"
printf '  %s\n' "${summary[@]}"
printf '  %-16s %dm%02ds\n' elapsed $((elapsed / 60)) $((elapsed % 60))
echo "total: $total_passed passed, $total_failed failed"
exit "$failed"
