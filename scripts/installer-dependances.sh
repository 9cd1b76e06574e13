#!/bin/sh
# Installe les paquets Debian 12 dont Velmor a besoin (une seule mise à jour des listes).
# « web » ajoute la construction pour le navigateur : emscripten (environ 1 Go), node pour en passer les
# tests, les sources de GoogleTest, que em++ compile lui-même, et chromium pour les tests de la page ; pour
# la page, pyftsubset (fonttools, brotli pour woff2) réduit sa police et rsvg-convert dessine ses icônes.
set -eu

paquets="build-essential cmake ninja-build pkg-config
qt6-base-dev libqt6printsupport6 qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins
libgtest-dev libgmock-dev libbenchmark-dev
clang libclang-rt-14-dev clang-format
xvfb xauth x11-utils libx11-dev fonts-liberation2 fonts-dejavu-core
dpkg-dev desktop-file-utils appstream shared-mime-info xdg-utils"
if [ "${1:-}" = web ]; then
    paquets="$paquets emscripten nodejs googletest chromium fonttools python3-brotli librsvg2-bin"
    # Un node venu d'ailleurs apporte son npm, que le paquet de Debian remplacerait.
    command -v npm >/dev/null 2>&1 || paquets="$paquets npm"
fi

manquants=""
for paquet in $paquets; do
    dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed" || manquants="$manquants $paquet"
done
[ -z "$manquants" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $manquants
