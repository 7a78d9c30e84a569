#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that one of the commands needs:
#   install-deps.sh run    building and running the program
#   install-deps.sh deb    that, and building the Debian package (its tests included)
#   install-deps.sh windows what cross-building the Windows programs needs
#   install-deps.sh test   all that, and everything the suite and benchmarks use
#   install-deps.sh release what scripts/in-release.sh needs to make a chroot of a release
#   install-deps.sh --list COMMAND   only prints that command's packages, a line each
# Does nothing when all are present; as a non-root user it prints the one
# apt-get line to run instead.
set -euo pipefail

list=false
if [ "${1:-}" = --list ]; then
    list=true
    shift
fi

packages=(
    build-essential cmake g++ make     # toolchain; dpkg-buildpackage checks build-essential
    qt6-base-dev libgl-dev             # Qt 6 Widgets
    libxcb1-dev                        # the X window's background, under Qt
    libpcg-cpp-dev                     # the random generator (header only)
    qt6-wayland                        # Qt's native platform on Wayland desktops
    qt6-translations-l10n              # the toolkit's own menus and buttons in German
    fonts-dejavu-core                  # a font, for machines that have none
)
windows=(
    cmake make g++ libpcg-cpp-dev      # the build (the icon file is drawn by a native
                                       #   program), and the random generator's headers
    g++-mingw-w64-x86-64-posix         # 64- and 32-bit Windows, with posix threads for
    g++-mingw-w64-i686-posix           #   GoogleTest's std::mutex
    wixl                               # the installer package
)
if [ "${1:-run}" = release ]; then
    packages=(mmdebstrap iproute2 git)
elif [ "${1:-run}" = windows ]; then
    packages=("${windows[@]}")
elif [ "${1:-run}" != run ]; then
    packages+=(
        libgtest-dev                   # the tests
        debhelper dpkg-dev git xz-utils # building the source and binary packages
    )
fi
if [ "${1:-run}" = test ]; then
    packages+=(
        libbenchmark-dev               # the benchmarks
        libx11-dev                     # Xlib, for the start-up benchmark
        valgrind                       # instructions per roll, counted exactly by callgrind
        bsdutils                       # script(1), a terminal for Orca's log; no longer essential
        xvfb xauth x11-utils openbox   # a real X server with window managers
        metacity x11-xserver-utils     # a second window manager; xrdb for large fonts
        xdotool wmctrl xclip           # driving it as a user: input, window states, the clipboard
        imagemagick                    # screenshots, and reading them
        weston                         # a Wayland compositor with a headless backend
        orca python3-pyatspi           # a screen reader, and a client of the accessibility bus
        at-spi2-core dbus-daemon       # the accessibility bus, on a private session bus
        desktop-file-utils appstream   # validating the desktop entry and metainfo
        file lintian devscripts blhc   # checking the package: lintian, hardening-check, build log
        autopkgtest licensecheck mandoc # the package's own tests, licences, manual pages
        "${windows[@]}"                # the Windows programs
        googletest                     # GoogleTest's source, built for Windows alongside
        wine64 fonts-wine              # the Windows build's tests run there, in its own fonts
        msitools                       # the installer package, read back
    )
fi

if $list; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

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
