#!/usr/bin/env bash
# Takes docs/capture.png: the main window after a few moves, with the
# players' names in their panels. Builds first if needed; runs under its own
# Xvfb, so it needs no display.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
[ -x "$racine/build/jeu_quarlo4" ] || "$racine/scripts/construire.sh"

if [ -z "${QUARLO4_DANS_XVFB:-}" ]; then
    QUARLO4_DANS_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

attendre_fenetre() {  # title; prints the window id
    for _ in $(seq 100); do
        if id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "capture-ecran: la fenêtre « $1 » n'est pas apparue" >&2
    return 1
}

cd "$racine/build"
./jeu_quarlo4 &
jeu=$!
trap 'kill $jeu 2>/dev/null || true' EXIT

fenetre=$(attendre_fenetre "Quarlo 4")
dialogue=$(attendre_fenetre "Changement des Noms")
# Entries on the right of the dialog, OK at its bottom right.
eval "$(xdotool getwindowgeometry --shell "$dialogue")"
xdotool mousemove --window "$dialogue" $((WIDTH - 120)) 20 click 1
xdotool type --delay 20 "Alice"
xdotool mousemove --window "$dialogue" $((WIDTH - 120)) 55 click 1
xdotool type --delay 20 "Bruno"
xdotool mousemove --window "$dialogue" $((WIDTH - 45)) $((HEIGHT - 24)) click 1
for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^Changement des Noms\$" >/dev/null 2>&1 || break
    sleep 0.1
done

# Column buttons sit in the row under the board: 60-pixel cells from x = 10.
eval "$(xdotool getwindowgeometry --shell "$fenetre")"
for colonne in 4 4 3 5 5 2 3; do
    xdotool mousemove --window "$fenetre" $((10 + 60 * colonne - 30)) $((HEIGHT - 50)) click 1
    sleep 0.2
done
sleep 0.5
import -window "$fenetre" "$racine/docs/capture.png"
echo "capture-ecran: $racine/docs/capture.png"
