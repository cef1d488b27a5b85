#!/usr/bin/env bash
# Started with no display at all, the program must say so (GTK's "cannot open
# display") and end with a failure status of its own, not from a signal.
#   sans_affichage.sh BINAIRE
set -euo pipefail
if [ $# -ne 1 ]; then
    echo "usage : $0 BINAIRE" >&2
    exit 2
fi
source "$(dirname "$0")/commun.sh"
sortie=$(mktemp)
trap 'rm -f "$sortie"' EXIT

statut=0
# timeout turns a hang into status 124, which the check below refuses.
env -u DISPLAY -u WAYLAND_DISPLAY timeout 30 "$1" >"$sortie" 2>&1 || statut=$?
cat "$sortie"

[ "$statut" -ne 0 ] || echec "statut 0 sans affichage"
[ "$statut" -ne 124 ] || echec "le programme tourne encore après 30 s sans affichage"
((statut < 128)) || echec "arrêté par le signal $((statut - 128))"
grep -qi 'cannot open display' "$sortie" || echec "aucun message « cannot open display »"
if grep -qE 'AddressSanitizer|LeakSanitizer|runtime error:' "$sortie"; then
    echec "un sanitizer a signalé une erreur"
fi
echo "sans affichage : message de GTK et statut $statut"
