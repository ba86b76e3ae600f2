#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Caldrix needs.
# Idempotent: says nothing and touches nothing when all of it is already there.
#   scripts/install-deps.sh [--paquet]   --paquet: and the tools that check the Debian package
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libqcustomplot-dev libgl-dev
    qt6-translations-l10n
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    # a test queues input the way the window system does
    qt6-base-private-dev
    clang clang-format libclang-rt-14-dev
    poppler-utils xvfb xauth
    # a CUPS scheduler of the printing test's own, with the cups-pdf virtual printer
    cups printer-driver-cups-pdf
    # the archive: Qt SQL's SQLite and PostgreSQL drivers, and a PostgreSQL server the archive
    # tests start for themselves
    libqt6sql6-sqlite libqt6sql6-psql postgresql
    # libpq itself: the watchdog on the server connection, and why a connection failed
    libpq-dev
    # a French locale, under which part of the suite runs: numbers must read the same there
    locales
    # the installation: the icon's PNG sizes, and the package's dependencies (cpack runs
    # dpkg-shlibdeps, which needs file)
    librsvg2-bin dpkg-dev file
)
if [ "${1:-}" = "--paquet" ]; then
    packages+=(lintian desktop-file-utils appstream)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installation de : ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'fr_FR\.utf-\?8'; then
    echo "Génération de la locale fr_FR.UTF-8"
    $SUDO sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
fi
