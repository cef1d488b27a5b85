#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game from build/, so that
# it finds its pictures in ../pixmaps/. GTK's own options are passed through.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/construire.sh"
cd "$racine/build"
exec ./jeu_quarlo4 "$@"
