#!/bin/sh
# Un enseignant vérifie le travail de toute une école : velmor-analyse --json sur 1 000 figures de 30 points,
# sur un seul cœur. Médiane du temps écoulé de plusieurs passages, mesuré depuis la ligne de commande.
# Usage : bench/analyse-ecole.sh [DOSSIER_DE_CONSTRUCTION [PASSAGES]]
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=${1:-$racine/build/bench}
passages=${2:-5}
analyse=$construction/tools/velmor-analyse
figures=$construction/bench/velmor_figures_ecole
for programme in "$analyse" "$figures"; do
    [ -x "$programme" ] || { echo "analyse-ecole.sh : $programme manque (make bench le construit)" >&2; exit 1; }
done

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
"$figures" "$travail/figures" 1000 30

# Le premier passage remplit les caches et vérifie la sortie : une ligne JSON par figure.
taskset -c 0 "$analyse" --json "$travail"/figures/*.lum >"$travail/sortie.json"
lignes=$(wc -l <"$travail/sortie.json")
[ "$lignes" -eq 1000 ] || { echo "analyse-ecole.sh : $lignes lignes au lieu de 1000" >&2; exit 1; }

i=0
while [ "$i" -lt "$passages" ]; do
    debut=$(date +%s%N)
    taskset -c 0 "$analyse" --json "$travail"/figures/*.lum >/dev/null 2>&1
    fin=$(date +%s%N)
    echo $(((fin - debut) / 1000000)) >>"$travail/durees"
    i=$((i + 1))
done
mediane=$(sort -n "$travail/durees" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
echo "velmor-analyse --json, 1 000 figures de 30 points, un cœur (taskset -c 0), médiane de $passages passages :"
printf '  %d ms  (cible : 2 000 ms au plus)\n' "$mediane"
