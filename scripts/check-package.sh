#!/usr/bin/env bash
# Makes the Debian package from a build folder that is already built (no second build) and
# checks it as a Debian desktop would take it: lintian, the menu entry, the AppStream file; then
# installs it with apt-get, runs the installed caldrix-cli, starts the installed caldrix on a new
# program folder, and removes the package again. Needs root or sudo.
#   scripts/check-package.sh [build folder]     (build by default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
debut=$SECONDS
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

bash scripts/install-deps.sh --paquet

rm -rf "$build/paquet"
(cd "$build" && cpack -G DEB -B paquet >/dev/null)
paquet=$(realpath "$build"/paquet/caldrix_*.deb)
echo "Paquet : $(basename "$paquet"), $(du -k "$paquet" | cut -f1) Kio"

echo "-- lintian"
lintian --fail-on error "$paquet" || { echo "lintian : erreurs" >&2; exit 1; }

contenu=$(mktemp -d)
maison=$(mktemp -d)
programme=""
nettoyer() {
    [ -n "$programme" ] && kill "$programme" 2>/dev/null
    $SUDO apt-get remove -y -qq caldrix >/dev/null 2>&1 || true
    rm -rf "$contenu" "$maison"
}
trap nettoyer EXIT
dpkg-deb -x "$paquet" "$contenu"
echo "-- desktop-file-validate, appstreamcli"
desktop-file-validate "$contenu/usr/share/applications/caldrix.desktop"
appstreamcli validate --no-net "$contenu/usr/share/metainfo/org.caldrix.caldrix.metainfo.xml" \
    >/dev/null
# The menu entry starts the installed program with the installed icon.
grep -qx 'Exec=caldrix' "$contenu/usr/share/applications/caldrix.desktop"
grep -qx 'Icon=caldrix' "$contenu/usr/share/applications/caldrix.desktop"
[ -s "$contenu/usr/share/icons/hicolor/scalable/apps/caldrix.svg" ]

echo "-- apt-get install"
$SUDO apt-get install -y -qq --no-install-recommends "$paquet" >/dev/null
for f in /usr/bin/caldrix /usr/bin/caldrix-cli /usr/bin/caldrix-logger-sim; do
    if readelf -d "$f" | grep -Eq 'RPATH|RUNPATH'; then
        echo "$f garde un RPATH" >&2
        exit 1
    fi
done

# The first start of the installed program, on a new program folder: it copies the files of
# /usr/share/caldrix. It has no option to quit by itself: once the last file (the manual) is
# there and it is still running, it is stopped.
export CALDRIX_HOME=$maison/Caldrix
QT_QPA_PLATFORM=offscreen caldrix >"$maison/caldrix.log" 2>&1 &
programme=$!
for _ in $(seq 200); do
    [ -f "$CALDRIX_HOME/Documentation Caldrix.htm" ] && break
    kill -0 "$programme" 2>/dev/null || break
    sleep 0.05
done
if ! kill -0 "$programme" 2>/dev/null; then
    echo "caldrix s'est arrêté au premier démarrage :" >&2
    cat "$maison/caldrix.log" >&2
    exit 1
fi
kill "$programme"
wait "$programme" 2>/dev/null || true
programme=""
for f in Conf.ini recettes.ini "Documentation Caldrix.htm"; do
    cmp "/usr/share/caldrix/$f" "$CALDRIX_HOME/$f"
done
[ -d "$CALDRIX_HOME/Sauvegardes" ]
echo "Premier démarrage : $(ls "$CALDRIX_HOME" | tr '\n' ' ')"

echo "-- caldrix-cli"
caldrix-cli --version
statistiques=$(caldrix-cli stats tests/fixtures/four_7306.txt)
echo "$statistiques" | head -n 3
# The installed program draws a report with nothing but Qt Core.
caldrix-cli report tests/fixtures/four_7306.txt --output "$maison/rapport.pdf"
[ -s "$maison/rapport.pdf" ]
# Qt's French translation, which the package depends on, words the parser's refusals.
code=0
refus=$(LC_ALL=C caldrix-cli info --vite 2>&1) || code=$?
if [ "$code" -ne 4 ] || [[ $refus != *'Option inconnue "vite".'* ]]; then
    echo "caldrix-cli info --vite : code $code, $refus" >&2
    exit 1
fi
# shellcheck disable=SC2016
bash -c 'source /usr/share/bash-completion/completions/caldrix-cli
    COMP_WORDS=(caldrix-cli sta); COMP_CWORD=1; _caldrix_cli; [ "${COMPREPLY[*]}" = stats ] || exit 1
    COMP_WORDS=(caldrix-cli stats four.txt --j); COMP_CWORD=3; _caldrix_cli
    [ "${COMPREPLY[*]}" = --json ]'
for page in caldrix caldrix-cli caldrix-logger-sim; do
    [ -s "/usr/share/man/man1/$page.1.gz" ]
done

echo "-- apt-get remove"
$SUDO apt-get remove -y -qq caldrix >/dev/null
if [ -e /usr/bin/caldrix-cli ]; then
    echo "caldrix-cli est resté après apt-get remove" >&2
    exit 1
fi
echo "Vérification du paquet : $((SECONDS - debut)) s"
