#!/usr/bin/env bash
# Configures and builds the program, the tests and the stand-in model library in build/.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/dependencias.sh"
cmake -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=Debug
cmake --build "$raiz/build" -j "$(nproc)"
