#!/usr/bin/env bash
# Caldrix with a simulated logger: installs what is missing, builds, links a simulated 7306
# logger holding a heat treatment (rise to about 72 °C, hold, cool down; one measure a minute)
# as port COM1 of a demonstration program folder, and starts Caldrix on that folder.
#
#   scripts/demo.sh [build folder]                       the program on your desktop
#   scripts/demo.sh --capture FILE.png [build folder]    a screenshot of it, under Xvfb
#
# The demonstration folder is <build folder>/demo (CALDRIX_DEMO chooses another).
set -euo pipefail
cd "$(dirname "$0")/.."

capture=""
if [ "${1:-}" = "--capture" ]; then
    capture=$(realpath -m "${2:?--capture wants a file name}")
    shift 2
fi
build=${1:-build}

bash scripts/install-deps.sh
if [ -n "$capture" ] && ! { command -v import && command -v xwininfo; } >/dev/null; then
    echo "Installation de imagemagick et x11-utils (capture d'écran)"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
        imagemagick x11-utils >/dev/null
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target caldrix caldrix-logger-sim

demo=$(realpath -m "${CALDRIX_DEMO:-$build/demo}")
mkdir -p "$demo"
export CALDRIX_HOME=$demo

"$build/sim/caldrix-logger-sim" --modele 7306 --identite FOUR01 --nombre 480 --periode 60 \
    --port 1 --dossier "$demo" >"$demo/simulateur.log" 2>&1 &
simulateur=$!
trap 'kill "$simulateur" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    [ -L "$demo/ports/COM1" ] && break
    kill -0 "$simulateur" 2>/dev/null || { cat "$demo/simulateur.log" >&2; exit 1; }
    sleep 0.05
done
echo "Logger simulé 7306 « FOUR01 » sur COM1 ($(head -n1 "$demo/simulateur.log")), dossier $demo"

if [ -z "$capture" ]; then
    "$build/caldrix"
    exit
fi

# The screenshot: the main window once it is up, under a virtual X server. Its caption is the
# program's name and version, as the build generated them.
entete="$build/generated/core/Programme.h"
nom=$(sed -n 's/.*QStringLiteral("\([^"]*\)").*/\1/p' "$entete" | sed -n 1p)
version=$(sed -n 's/.*QStringLiteral("\([^"]*\)").*/\1/p' "$entete" | sed -n 2p)
export CAPTURE=$capture PROGRAMME=$build/caldrix TITRE="$nom $version"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$PROGRAMME" & programme=$!
    fenetre=""
    for _ in $(seq 200); do
        fenetre=$(xwininfo -root -tree | awk -v t="\"$TITRE\"" "index(\$0, t) { print \$1; exit }")
        [ -n "$fenetre" ] && break
        sleep 0.1
    done
    [ -n "$fenetre" ] || { echo "La fenêtre de Caldrix ne s'\''est pas ouverte" >&2; exit 1; }
    sleep 1  # the start-up screen closes just after the main window shows
    import -window "$fenetre" "$CAPTURE"
    kill "$programme"
'
echo "Capture : $capture"
