#!/usr/bin/env bash
# Builds the Debian package of Caldrix and installs it: Caldrix in the applications menu,
# caldrix-cli and caldrix-logger-sim on the PATH, their manual pages and the completion.
#   scripts/package.sh [build folder]     (build-paquet by default: the programs only, no tests)
# The package is left in <build folder>/paquet/caldrix_<version>_amd64.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
build=${1:-build-paquet}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALDRIX_TESTS=OFF >/dev/null
cmake --build "$build" -j2
(cd "$build" && cpack -G DEB -B paquet >/dev/null)
paquet=$(ls "$build"/paquet/caldrix_*.deb)
echo "Paquet : $paquet"

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "$(realpath "$paquet")" >/dev/null
echo "Caldrix est installé : menu des applications, ou les commandes caldrix, caldrix-cli."
