#!/bin/bash
# rendre.sh : régénère les sept images PNG du jeu (pixmaps/*.png) à partir
# des sources SVG de pixmaps/src/, aux tailles exactes :
#   - cases du plateau (vide, jaune, rouge) : 60x60 ;
#   - images des joueurs (humain-*, ordi-*) : 96x96.
# Utilisable depuis n'importe quel répertoire.
# Nécessite rsvg-convert (paquet Debian librsvg2-bin).
set -euo pipefail

ici="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "rendre.sh : rsvg-convert introuvable (installer le paquet librsvg2-bin)" >&2
    exit 1
fi

rendre() { # rendre NOM TAILLE
    rsvg-convert -w "$2" -h "$2" -f png -o "$ici/$1.png" "$ici/src/$1.svg"
}

for nom in vide jaune rouge; do
    rendre "$nom" 60
done
for nom in humain-jaune humain-rouge ordi-jaune ordi-rouge; do
    rendre "$nom" 96
done
echo "rendre.sh : 7 images produites dans $ici"
