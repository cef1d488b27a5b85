#!/usr/bin/env bash
# The real program under valgrind's memcheck for a short session driven as a
# player would: the names dialog closed from its frame, a few moves up to a
# full column and its "Error" box, the advice box (F1), the main window
# closed from its frame and the question answered No, then Alt+F4 answered
# Yes. Fails on any error valgrind reports that the
# committed suppressions (GTK's own losses) do not cover, and lists first the
# invalid accesses and the definite leaks whose stack holds one of our frames.
#   valgrind.sh BINAIRE DOSSIER_PIXMAPS FICHIER_SUPPRESSIONS FERMER_FENETRE
set -euo pipefail
if [ $# -ne 4 ]; then
    echo "usage : $0 BINAIRE DOSSIER_PIXMAPS FICHIER_SUPPRESSIONS FERMER_FENETRE" >&2
    exit 2
fi
ici=$(cd "$(dirname "$0")" && pwd)
source "$ici/commun.sh"
sous_xvfb 250 "$ici/$(basename "$0")" "$@"
binaire=$(realpath "$1")
pixmaps=$(realpath "$2")
suppressions=$(realpath "$3")
fermer=$(realpath "$4")
command -v valgrind >/dev/null || echec "valgrind manque (scripts/installer-dependances.sh l'installe)"
# Without line information no frame can be told to be ours.
readelf -S "$binaire" | grep -q '\.debug_info' ||
    echec "$binaire n'a pas d'informations de débogage : construire en RelWithDebInfo ou Debug"

# The program finds its pictures as "../pixmaps/" from its working folder.
tmp=$(mktemp -d)
journal="$tmp/valgrind.log"
pid=""
fin() {
    local statut=$?
    [ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true
    if [ "$statut" -ne 0 ] && [ -s "$journal" ]; then
        echo "Journal de valgrind :" >&2
        cat "$journal" >&2
    fi
    rm -rf "$tmp"
}
trap fin EXIT
mkdir "$tmp/jeu"
ln -s "$pixmaps" "$tmp/pixmaps"

# GLib's slice allocator would hide its blocks from memcheck.
(cd "$tmp/jeu" && exec env G_SLICE=always-malloc GDK_NATIVE_WINDOWS=1 \
    valgrind --tool=memcheck --error-exitcode=42 --errors-for-leak-kinds=definite --leak-check=full \
    --num-callers=50 --suppressions="$suppressions" --log-file="$journal" "$binaire") &
pid=$!

# valgrind runs the program some twenty times slower: generous bounds.
jeu=$(attendre_fenetre "Quarlo 4" 90)
noms=$(attendre_fenetre "Changement des Noms" 60)
"$fermer" "$noms"
attendre_fermeture "Changement des Noms" 60
# Nine moves without a line of four; the last four fill column 4, so that
# one more brings the "Error" box: proof that every click was a move.
for colonne in 4 4 3 5 1 4 4 4 4; do cliquer "$jeu" 7 "$colonne"; done
absente Error || echec "boîte « Error » avant que la colonne 4 soit pleine"
cliquer "$jeu" 7 4
erreur=$(attendre_fenetre Error 60)
touche "$erreur" Return
attendre_fermeture Error 60
touche "$jeu" F1
information=$(attendre_fenetre Information 60)
touche "$information" Return
attendre_fermeture Information 60
"$fermer" "$jeu"
sortie=$(attendre_fenetre Sortie 60)
cliquer "$sortie" 2 2 # No
attendre_fermeture Sortie 60
touche "$jeu" alt+F4
sortie=$(attendre_fenetre Sortie 60)
cliquer "$sortie" 2 1 # Yes
attendre_fin "$pid" 90
pid=""

# One block of the journal per error: its first line, then its frames.
erreurs() {
    awk '/^==[0-9]+== [^ ]/ { bloc = $0; garde = ($0 ~ motif) }
         /^==[0-9]+==    (at|by) / && garde { bloc = bloc "\n" $0 }
         /^==[0-9]+== $/ && garde { print bloc "\n"; garde = 0 }' motif="$1" "$journal"
}
acces=$(erreurs 'Invalid (read|write|free)|Mismatched free|uninitialised|overlap')
# A frame of ours reads "(fichier.cpp:ligne)", the file one of src/.
nos_fichiers=$(cd "$ici/../../src" && ls | paste -sd '|')
fuites=$(erreurs 'definitely lost' | awk -v RS= -v nos="[(](${nos_fichiers//./[.]}):[0-9]+[)]" '$0 ~ nos { print $0 "\n" }')

if [ -n "$acces" ] || [ -n "$fuites" ] || [ "$STATUT" -ne 0 ]; then
    [ -z "$acces" ] || printf 'Erreurs d’accès à la mémoire :\n%s\n' "$acces" >&2
    [ -z "$fuites" ] || printf 'Fuites certaines passant par notre code :\n%s\n' "$fuites" >&2
    echec "valgrind : statut $STATUT (42 : erreurs non couvertes par $(basename "$suppressions"))"
fi
grep -E 'ERROR SUMMARY' "$journal"
echo "valgrind : aucune erreur, aucune fuite certaine hors des suppressions de GTK"
