#!/usr/bin/env bash
# Builds the fuzz target with clang into build-fuzz/, runs it for a bounded
# time from the committed corpus, then merges into fuzz/corpus/ what it found
# that reaches something new, minimised (-merge=1).
#   fuzz/lancer.sh [secondes]      (60 by default)
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
duree=${1:-60}
if ! [[ $duree =~ ^[1-9][0-9]*$ ]]; then
    echo "usage : $0 [secondes], une durée entière positive (reçu : « $duree »)" >&2
    exit 2
fi

"$racine/scripts/installer-dependances.sh"
build="$racine/build-fuzz"
cmake -S "$racine/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$build" >/dev/null
cible="$build/cible_plateau"
corpus="$racine/fuzz/corpus"
artefacts="$build/artefacts/"
mkdir -p "$corpus" "$artefacts"
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
mkdir "$travail/trouves" "$travail/fusion"

# New inputs go to the first folder, a scratch one: the committed corpus
# changes only through the merge below.
statut=0
"$cible" -max_total_time="$duree" -max_len=64 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$artefacts" "$travail/trouves" "$corpus" >"$travail/journal" 2>&1 || statut=$?
if [ "$statut" -ne 0 ]; then
    tail -n 80 "$travail/journal" >&2
    echo "ÉCHEC : le fuzzing a trouvé une faute (statut $statut) ; l'entrée est dans $artefacts" >&2
    echo "Rejouer : $cible $artefacts<fichier>" >&2
    exit 1
fi
grep -E '^(Done |stat::(number_of_executed_units|average_exec_per_sec|new_units_added))' "$travail/journal"

"$cible" -merge=1 -max_len=64 "$travail/fusion" "$corpus" "$travail/trouves" >"$travail/fusion.log" 2>&1 ||
    { cat "$travail/fusion.log" >&2; echo "ÉCHEC : la fusion du corpus" >&2; exit 1; }
avant=$(find "$corpus" -type f | wc -l)
find "$corpus" -type f -delete
cp "$travail/fusion/"* "$corpus/"
echo "corpus : $avant entrées avant, $(find "$corpus" -type f | wc -l) après fusion"
