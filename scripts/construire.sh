#!/usr/bin/env bash
# Installs what is missing and builds everything into build/, a sibling of
# pixmaps/ so that the game finds its pictures from there.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/installer-dependances.sh"
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$racine/build" -j "$(nproc)"
