#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, then creates the private Wine prefix.
# Safe to run again: a second run installs nothing, needs no network and takes a moment.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

packages=(
  cmake make clang-format
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine64 wine32:i386 fonts-wine
  xvfb xauth x11-utils
  googletest imagemagick python3-pil
  g++ libgif-dev
)

installed() { [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]; }

install_missing() {
  local missing=() p
  for p in "${packages[@]}"; do
    installed "$p" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
  fi
  "${sudo[@]}" apt-get update -qq
  # Only what is listed: Wine's recommends pull in hundreds of packages the tests do not use.
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

create_prefix() {
  [ -f "$PREFIX_MARKER" ] && return 0
  log "creating the Wine prefix $WINEPREFIX (about half a minute)"
  local start=$SECONDS
  # A server left running for an unfinished prefix would serve the new one from stale state.
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  # A private display keeps wineboot's windows off the user's screen and makes it quicker.
  start_virtual_display 24
  # 64-bit, with the 32-bit side beside it: runs both builds' programs.
  WINEARCH=win64 WINEDEBUG=-all wineboot -i
  # Without a window manager, managed windows make every hide or destroy block about 2 s and leave
  # frames and captions undrawn. A crashing test prints its backtrace instead of opening a dialog
  # that would hang the run.
  local reg=$WINEPREFIX/drive_c/tools-setup.reg
  cat >"$reg" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
EOF
  WINEDEBUG=-all wine regedit /S 'C:\tools-setup.reg'
  # Wine's own fonts give the system faces their real shapes (without them every face is one
  # sans-serif font and caption buttons show letters).
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  # Let the server write the registry to disk before anything else looks at it.
  wineserver -w
  rm -f "$reg"
  # The user folders (Desktop, Documents, ...) link to $HOME: make them real folders so nothing a
  # program saves there leaves the build folder.
  local d
  for d in "$WINEPREFIX"/drive_c/users/*/*; do
    if [ -L "$d" ]; then
      rm "$d"
      mkdir "$d"
    fi
  done
  grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" || die "the prefix's registry lacks Managed=N"
  touch "$PREFIX_MARKER"
  log "prefix ready in $((SECONDS - start)) s"
}

install_missing
# The prefix is made in a subshell so its display is gone before this script goes on.
(create_prefix)
