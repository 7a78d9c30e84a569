#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Does nothing when all are present; as a non-root user it prints the one
# apt-get line to run instead.
set -euo pipefail

packages=(
    cmake g++ make pkg-config          # toolchain
    qt6-base-dev libgl-dev             # Qt 6 Widgets
    libpcg-cpp-dev                     # the random generator (header only)
    libx11-dev                         # Xlib, for the start-up benchmark
    libgtest-dev libbenchmark-dev      # tests and benchmarks
    valgrind                           # instructions per roll, counted exactly by callgrind
    fonts-dejavu-core                  # offscreen rendering needs an installed font
    xvfb xauth xdotool x11-utils       # the program under a real X server, driven as a user
    imagemagick                        # screenshots of it
    openbox                            # a window manager, so that the end-to-end test can drag
    desktop-file-utils appstream       # validating the installed desktop entry and metainfo
    
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run:  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
