#!/bin/sh
# L'outil construit pour node écrit octet pour octet ce qu'écrit celui du bureau, et sort avec le même code,
# pour chaque ligne de la table ; --image y est une erreur d'usage d'une ligne, et son aide, sans --image,
# est celle de outil-aide-sans-images.txt.
# Utilisation : comparer-outils.sh TABLE OUTIL_BUREAU OUTIL_NODE.js NODE [OPTIONS DE NODE...]
set -u
table=$1 bureau=$2 outil=$3
shift 3
node="$*"
if [ ! -x "$bureau" ]; then
    echo "pas de velmor-analyse du bureau ($bureau) : construire d'abord le préréglage dev"
    exit 77
fi
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
lignes=0 ecarts=0

while IFS= read -r ligne; do
    case $ligne in '' | '#'*) continue ;; esac
    lignes=$((lignes + 1))
    eval "set -- $ligne"
    "$bureau" "$@" <"/dev/null" >"$dossier/bureau.out" 2>"$dossier/bureau.err"
    code_bureau=$?
    $node "$outil" "$@" <"/dev/null" >"$dossier/node.out" 2>"$dossier/node.err"
    code_node=$?
    if [ $code_bureau -ne $code_node ] || ! cmp -s "$dossier/bureau.out" "$dossier/node.out" ||
        ! cmp -s "$dossier/bureau.err" "$dossier/node.err"; then
        ecarts=$((ecarts + 1))
        echo "écart pour : $ligne (codes $code_bureau au bureau, $code_node sous node)"
        diff "$dossier/bureau.out" "$dossier/node.out" | head -n 10
        diff "$dossier/bureau.err" "$dossier/node.err" | head -n 10
    fi
done <"$table"

$node "$outil" --image "$dossier/images" triangle-rectangle.lum >"$dossier/node.out" 2>"$dossier/node.err"
code=$?
if [ $code -ne 2 ] || [ -s "$dossier/node.out" ] || [ "$(wc -l <"$dossier/node.err")" -ne 1 ] ||
    ! $node "$outil" --help | cmp -s - outil-aide-sans-images.txt; then
    ecarts=$((ecarts + 1))
    echo "--image sous node : code $code et non une erreur d'usage d'une ligne, ou une autre aide"
    cat "$dossier/node.err"
fi

echo "$lignes lignes comparées, $ecarts écarts"
[ $ecarts -eq 0 ]
