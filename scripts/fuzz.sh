#!/bin/sh
# Lance chaque cible libFuzzer pendant N secondes (30 par défaut) sur son corpus de départ du dépôt.
# Les entrées nouvelles restent dans un dossier temporaire ; une entrée qui fait tomber une cible est
# gardée dans build/fuzz/plantages/ et le script échoue.
# Usage : scripts/fuzz.sh [SECONDES]
set -eu
cd "$(dirname "$0")/.."
secondes=${1:-30}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

plantages=build/fuzz/plantages
mkdir -p "$plantages"
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

echecs=0
for source in fuzz/fuzz_*.cpp; do
    cible=$(basename "$source" .cpp)
    corpus=fuzz/corpus/$cible
    mkdir -p "$travail/$cible"
    [ -d "$corpus" ] || { echo "fuzz.sh : $corpus manque" >&2; exit 1; }
    if "build/fuzz/fuzz/$cible" -max_total_time="$secondes" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$plantages/$cible-" \
        "$travail/$cible" "$corpus" >"$travail/$cible.log" 2>&1; then
        executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$travail/$cible.log")
        couverture=$(grep -o 'cov: [0-9]*' "$travail/$cible.log" | tail -1)
        echo "$cible : ${executions:-?} exécutions en $secondes s, $couverture, aucun plantage"
    else
        echo "$cible : PLANTAGE (entrée gardée dans $plantages/)" >&2
        tail -40 "$travail/$cible.log" >&2
        echecs=$((echecs + 1))
    fi
done
[ "$echecs" -eq 0 ]
