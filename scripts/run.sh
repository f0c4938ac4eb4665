#!/usr/bin/env bash
# Installs what is missing, builds the program and starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"
if [ -x build/ui/pivora ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run: no display found (DISPLAY is not set). Start it under a display, e.g.:" >&2
    echo "     xvfb-run -a build/ui/pivora   or   scripts/screenshot.sh" >&2
    exit 1
  fi
  exec build/ui/pivora
fi
echo "run: the window is not built yet; built programs:"
find build -maxdepth 2 -type f -executable -name 'pivora*' | sort
