#!/usr/bin/env bash
# Started from a folder with no "../pixmaps/", the program must still show
# its window and play: the names dialog cancelled, seven clicks on column 1
# fill it and then bring the "Error" box, and Alt+F4 answered Yes ends it
# with status 0.
#   sans_images.sh BINAIRE
set -euo pipefail
if [ $# -ne 1 ]; then
    echo "usage : $0 BINAIRE" >&2
    exit 2
fi
ici=$(cd "$(dirname "$0")" && pwd)
source "$ici/commun.sh"
sous_xvfb 260 "$ici/$(basename "$0")" "$@"

# A copy of the binary, alone in a fresh tree: nothing beside it, nothing above.
tmp=$(mktemp -d)
pid=""
trap '[ -z "$pid" ] || kill -9 "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
mkdir -p "$tmp/a/b"
cp "$1" "$tmp/a/b/jeu_quarlo4"
[ ! -e "$tmp/a/pixmaps" ] || echec "$tmp/a/pixmaps ne devrait pas exister"

(cd "$tmp/a/b" && exec env GDK_NATIVE_WINDOWS=1 ./jeu_quarlo4) &
pid=$!

jeu=$(attendre_fenetre "Quarlo 4" 30)
noms=$(attendre_fenetre "Changement des Noms" 30)
cliquer "$noms" 2 1 # Cancel
attendre_fermeture "Changement des Noms"
for coup in 1 2 3 4 5 6; do
    cliquer "$jeu" 7 1
done
# A full column is refused only at the seventh token: none before.
absente Error || echec "boîte « Error » avant que la colonne 1 soit pleine"
cliquer "$jeu" 7 1
erreur=$(attendre_fenetre Error 30)
vivant "$pid" || echec "le programme s'est arrêté"
touche "$erreur" Return
attendre_fermeture Error
touche "$jeu" alt+F4
sortie=$(attendre_fenetre Sortie 30)
cliquer "$sortie" 2 1 # Yes
attendre_fin "$pid" 30
pid=""
[ "$STATUT" -eq 0 ] || echec "statut $STATUT après Oui"
echo "sans images : fenêtre, sept coups, boîte « Error », sortie par Oui (statut 0)"
