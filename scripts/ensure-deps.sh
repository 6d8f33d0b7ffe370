#!/usr/bin/env bash
# Makes sure the packages the build needs are present. Installs the missing ones when apt-get
# can be used as root; otherwise prints the exact command and fails. Packages given as arguments
# are needed too. The booklet test reads the PDF it writes back with poppler-utils (pdftotext,
# pdfimages); the package test checks the puzzle file types with shared-mime-info; tool_parallel
# spreads work with GNU parallel; the sanitizer build walks the real program on a virtual display
# with xdotool and ImageMagick's import; `make lint` runs clang-tidy.
set -euo pipefail
packages=(cmake ninja-build g++ clang qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          libpugixml-dev python3 xvfb xauth librsvg2-bin dpkg-dev file desktop-file-utils
          appstream man-db poppler-utils shared-mime-info parallel xdotool imagemagick
          clang-tidy "$@")
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
cmd="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
    echo "Installing missing packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
    echo "Missing packages: ${missing[*]}"
    echo "Install them with: sudo $cmd"
    exit 1
fi
