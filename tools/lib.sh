# shellcheck shell=bash
# Shared helpers for the Linux scripts in tools/. Source it; it sets no shell options of its own.
#
# Everything Wine lives under build/: the scripts use the prefix build/wineprefix, whatever
# WINEPREFIX the caller's shell holds, so nothing touches ~/.wine or another prefix of the user's.

TOOLS_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO_ROOT=$(dirname "$TOOLS_DIR")
BUILD_ROOT=$REPO_ROOT/build
PROJECT_PREFIX=$BUILD_ROOT/wineprefix
# Bumped whenever setup.sh changes what it puts into the prefix, so old prefixes are redone.
# shellcheck disable=SC2034  # read by the scripts that source this file
PREFIX_MARKER=$PROJECT_PREFIX/.tools-setup-1
export WINEPREFIX=$PROJECT_PREFIX
# No Mono or Gecko download prompts, and no menu entries or file associations written into $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export DEBIAN_FRONTEND=noninteractive

log() { printf '==> %s\n' "$*" >&2; }
die() {
  printf 'error: %s\n' "$*" >&2
  exit 1
}

# One EXIT trap runs the clean-ups registered by this shell, newest first; INT and TERM end the
# script through it. Each entry carries the registering shell's PID: a subshell inherits the list
# and must not stop its parent's display or server when it exits.
_cleanups=()
add_cleanup() {
  _cleanups=("$BASHPID:$1" "${_cleanups[@]}")
  trap _run_cleanups EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
}
_run_cleanups() {
  local c
  for c in "${_cleanups[@]}"; do
    if [ "${c%%:*}" = "$BASHPID" ]; then
      eval "${c#*:}" || true
    fi
  done
  _cleanups=()
}

build_dir() { printf '%s/%s' "$BUILD_ROOT" "$1"; }

# configure_arch ARCH: configure build/ARCH (Release) for i686 or x86_64, tests run through Wine.
configure_arch() {
  local arch=$1
  cmake -S "$REPO_ROOT" -B "$(build_dir "$arch")" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/toolchain-$arch.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$TOOLS_DIR/wine-exec.sh" >/dev/null
}

# build_arch ARCH [TARGET...]: configure and build with all cores.
build_arch() {
  local arch=$1
  shift
  configure_arch "$arch"
  local targets=()
  local t
  for t in "$@"; do targets+=(--target "$t"); done
  cmake --build "$(build_dir "$arch")" --parallel "$(nproc)" "${targets[@]}"
}

# Windows path of a Unix path, through the prefix's Z: drive (mapped to / by wineboot).
windows_path() {
  local p
  p=$(realpath -m "$1")
  printf 'Z:%s' "${p//\//\\}"
}

display_reachable() { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }

# start_virtual_display [DEPTH] [WxH]: start Xvfb on a free display number and export DISPLAY once
# it accepts connections. Xvfb picks the number itself (-displayfd), so parallel runs never race
# for one. Stopped on exit.
start_virtual_display() {
  local depth=${1:-24} size=${2:-1280x1024}
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x${depth}" -nolisten tcp -noreset 3>"$fdfile" 2>/dev/null &
  local pid=$!
  add_cleanup "kill $pid 2>/dev/null; wait $pid 2>/dev/null; rm -f '$fdfile'"
  local i
  for ((i = 0; i < 100; i++)); do
    # Xvfb writes the number followed by a newline once it listens.
    if [ "$(wc -l <"$fdfile")" -ge 1 ]; then
      DISPLAY=:$(head -n 1 "$fdfile")
      export DISPLAY
      if display_reachable; then
        log "virtual display $DISPLAY (${size}, depth $depth)"
        return 0
      fi
    fi
    kill -0 "$pid" 2>/dev/null || die "Xvfb failed to start (depth $depth)"
    sleep 0.1
  done
  die "Xvfb did not accept connections within 10 s"
}

# start_wineserver: keep one persistent wineserver for the prefix during the run, so each launch
# costs a fraction of a second. A script run inside such a run (ctest calling virtual-display.sh)
# reuses it; the one started here is ended, with every Wine process of the prefix, on exit.
start_wineserver() {
  if [ "${TOOLS_WINESERVER_PREFIX:-}" = "$WINEPREFIX" ]; then
    return 0
  fi
  # A server of someone else's: one that is not persistent quits about 3 s after its last program,
  # so wait for that and start ours; one that still holds on is persistent and is used as it is.
  if wineserver -p 2>/dev/null ||
    { timeout 10 wineserver -w 2>/dev/null && wineserver -p 2>/dev/null; }; then
    add_cleanup "wineserver -k 2>/dev/null; wineserver -w 2>/dev/null"
    export TOOLS_WINESERVER_PREFIX=$WINEPREFIX
  fi
  # Wine starts its service processes and the desktop process from the first program that needs
  # them, and they inherit that program's stdout and stderr. Started by a test, they would hold
  # ctest's pipes open for as long as the server lives, and ctest would wait for them until its
  # timeout. A throwaway program that creates a window starts them all here, on /dev/null.
  WINEDEBUG=-all wine rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1 || true
}
