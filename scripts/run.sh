#!/usr/bin/env bash
# Builds Corvinel and starts the desktop program on the display given by DISPLAY (X11) or
# WAYLAND_DISPLAY. Arguments go to the program: scripts/run.sh my.rdf opens that file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'MSG'
Corvinel is built, but there is no display to show its window on: neither DISPLAY nor
WAYLAND_DISPLAY is set. Run scripts/run.sh from a desktop session, or point DISPLAY at an
X server (for example one started with: Xvfb :99 & DISPLAY=:99 scripts/run.sh).
The command-line tool works without a display: build/cli/corvinel-cli --help
MSG
    exit 1
fi
exec build/app/corvinel "$@"
