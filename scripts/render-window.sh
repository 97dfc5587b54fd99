#!/usr/bin/env bash
# Renders the main window on a virtual X display into docs/window.png.
# Usage: scripts/render-window.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" --target quenzar_snapshot >/dev/null
mkdir -p docs
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
  "$build/src/app/qt/quenzar_snapshot" docs/window.png
echo "wrote docs/window.png"
