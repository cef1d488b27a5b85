#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/construire.sh"
ctest --test-dir "$racine/build" --output-on-failure -j "$(nproc)"
