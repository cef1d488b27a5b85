#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing need,
# and only those that are missing: apt-get runs only when something is.
set -euo pipefail

paquets=(
    build-essential cmake pkg-config
    googletest libgtest-dev libbenchmark-dev
    libgtkmm-2.4-dev
    xvfb xauth xdotool x11-apps imagemagick
    python3             # runs the end-to-end tests (tests/e2e)
    librsvg2-bin        # rsvg-convert draws the menu icon at build time
    dpkg-dev            # dpkg-shlibdeps gives the .deb its dependencies
    desktop-file-utils  # desktop-file-validate checks the menu entry
    valgrind            # memcheck runs the game in tests/robustesse
    x11-utils           # xwininfo finds the buttons in tests/robustesse
    clang-14            # compiles the libFuzzer target (fuzz/)
    libclang-rt-14-dev  # libFuzzer and the sanitizer runtimes for clang-14
)

manquants=()
for paquet in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q 'install ok installed'; then
        manquants+=("$paquet")
    fi
done
[ ${#manquants[@]} -eq 0 ] && exit 0

echo "Installation des paquets manquants : ${manquants[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "Il faut être root, ou avoir sudo, pour installer : ${manquants[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${manquants[@]}"
