#!/usr/bin/env bash
# Makes the background demo's 42 catalogue images again into lumboABC/images/. The images are
# committed; the build never runs this. Needs the host compiler and giflib (tools/setup.sh).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

out=$(build_dir host)
mkdir -p "$out"
g++ -std=c++20 -O2 -Wall -Wextra -I"$REPO_ROOT" "$TOOLS_DIR"/imagegen/main.cpp \
  "$TOOLS_DIR"/imagegen/textures.cpp -lgif -o "$out/imagegen"
"$out/imagegen" "$REPO_ROOT/lumboABC/images"
