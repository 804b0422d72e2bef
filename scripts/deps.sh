#!/usr/bin/env bash
# Installs the Debian packages Corvinel needs to build, run and test, when any are missing.
# Usage: scripts/deps.sh [extra packages...]
set -euo pipefail

# Build: the compiler, CMake, Qt and the test and benchmark libraries. Run: the X11 platform
# plugin, SVG icons, the standard icon theme. Tests: Xvfb, and the desktop entry and MIME
# tools that check the installation.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-serialport-dev libgl-dev
          libgtest-dev libbenchmark-dev libyaml-cpp-dev
          qt6-qpa-plugins libqt6svg6 adwaita-icon-theme
          # Channel names in half-width katakana when the receiver's own font is not there.
          fonts-noto-cjk
          xvfb xauth desktop-file-utils shared-mime-info
          # Printing: the print test runs its own CUPS server with a cups-pdf queue and reads
          # the printout back with pdftotext.
          cups printer-driver-cups-pdf poppler-utils
          # The Debian package: building it, and the checks its test runs.
          dpkg-dev lintian appstream
          # The Japanese window: lupdate and lrelease, and Qt's own Japanese texts.
          qt6-l10n-tools qt6-translations-l10n "$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo apt-get update -qq
    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
else
    echo "Corvinel needs these packages. Install them with:" >&2
    echo "    sudo apt-get install ${missing[*]}" >&2
    exit 1
fi
