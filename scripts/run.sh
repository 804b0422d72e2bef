#!/usr/bin/env bash
# Builds Corvinel and starts it: the desktop program, or, where it is not built,
# `corvinel-cli info` on a new data set.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build
if [ -x build/app/corvinel ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        exec xvfb-run -a build/app/corvinel "$@"
    fi
    exec build/app/corvinel "$@"
fi
tmp=$(mktemp -d)
build/cli/corvinel-cli new -o "$tmp/new.rdf"
exec build/cli/corvinel-cli info "$tmp/new.rdf"
