#!/usr/bin/env bash
# Brings the window's translation sources up to date with the texts in the code: new texts
# arrive unfinished, texts no longer in the code are dropped. Usage: scripts/update-translations.sh
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
for ts in translations/corvinel_*.ts; do
    "$lupdate" -silent -locations none -no-obsolete -I . app pages link radio -ts "$ts"
done
