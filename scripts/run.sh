#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
quorvane_install_deps
cmake -S . -B build
cmake --build build -j"$(nproc)" --target quorvane
exec build/quorvane "$@"
