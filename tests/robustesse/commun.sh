# Helpers of the robustness tests, sourced by them; they drive the game under
# Xvfb with xdotool. No window manager runs there: windows are found by their
# title, and buttons through the X windows that GDK_NATIVE_WINDOWS=1 gives
# every widget that has a GdkWindow of its own (a button's is exactly its
# area), so that clicks land on real widgets whatever the fonts and pictures.

# Re-runs the calling script ($2, with its arguments) on an X server of its
# own, once. -n: xvfb-run -a takes the first free display from that number
# up, each test from its own, away from the other suites', so that parallel
# runs seldom race for one. -noreset: Xvfb otherwise resets whenever its last
# client leaves (each xdotool call), and a program connecting during a reset
# gets "cannot open display".
sous_xvfb() {
    local numero=$1 script=$2
    shift 2
    [ -z "${QUARLO4_SOUS_XVFB:-}" ] || return 0
    exec env QUARLO4_SOUS_XVFB=1 xvfb-run -n "$numero" -a -s "-screen 0 1280x1024x24 -noreset" "$script" "$@"
}

echec() {
    echo "ÉCHEC : $*" >&2
    exit 1
}

# Polls a command every 0.1 s until it succeeds; fails after `delai` seconds.
attendre() {
    local delai=$1
    shift
    local fin=$((SECONDS + delai))
    until "$@"; do
        ((SECONDS < fin)) || return 1
        sleep 0.1
    done
}

# The id of the visible window with exactly this title, if there is one.
fenetre() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

presente() { [ -n "$(fenetre "$1")" ]; }
absente() { [ -z "$(fenetre "$1")" ]; }

# Prints the id of the window titled $1 once it is mapped (within $2 s).
attendre_fenetre() {
    attendre "${2:-30}" presente "$1" || echec "pas de fenêtre « $1 » après ${2:-30} s"
    fenetre "$1"
}

attendre_fermeture() {
    attendre "${2:-30}" absente "$1" || echec "la fenêtre « $1 » est encore là après ${2:-30} s"
}

# Centres "x y", on the screen and left to right, of the $2 buttons of window
# $1: its direct children that share one row and one height, $2 of them.
boutons() {
    local rangees
    # xwininfo lines: "0x2c (has no name): ()  60x27+10+413  +307+681".
    rangees=$(xwininfo -children -id "$1" | awk '
        $NF ~ /^\+-?[0-9]+\+-?[0-9]+$/ {
            split($(NF-1), t, /[x+]/); split($NF, a, /\+/)
            print t[2] "/" t[4], a[2] + int(t[1] / 2), a[3] + int(t[2] / 2)
        }')
    local rangee
    rangee=$(awk '{ n[$1]++ } END { for (r in n) if (n[r] == '"$2"') print r }' <<<"$rangees")
    [ "$(wc -w <<<"$rangee")" -eq 1 ] || echec "fenêtre $1 : pas une rangée unique de $2 boutons"
    awk -v r="$rangee" '$1 == r { print $2, $3 }' <<<"$rangees" | sort -n
}

# Clicks button number $3 (from 1, left to right) of the $2 buttons of window $1.
cliquer() {
    local x y
    read -r x y < <(boutons "$1" "$2" | sed -n "$3p")
    [ -n "$y" ] || echec "fenêtre $1 : pas de bouton $3 sur $2"
    # The server applies the move before the click, in order; --sync would
    # wait forever when the pointer is there already.
    xdotool mousemove "$x" "$y" click 1
}

# A key or chord sent to window $1, whether it has the focus or not. xdotool
# then complains that Xvfb has no focused window: nothing to see there.
touche() {
    xdotool key --window "$1" "$2" 2>/dev/null
}

# Still running, neither stopped nor a zombie.
vivant() {
    local etat
    # The state is the first field after the command name and its ")".
    etat=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null) && [[ $etat != Z* && $etat != T* ]]
}

fini() { ! vivant "$1"; }

# Waits for our child $1 to end (within $2 s) and leaves its exit status in
# STATUT; a child that overstays is killed. Not in a subshell: only the
# parent shell can collect the status.
attendre_fin() {
    local pid=$1 delai=${2:-30}
    if ! attendre "$delai" fini "$pid"; then
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        echec "le processus $pid tourne encore après $delai s"
    fi
    STATUT=0
    wait "$pid" || STATUT=$?
}
