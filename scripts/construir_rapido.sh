#!/usr/bin/env bash
# Builds the optimised program (Release, no sanitizers) in build-rapido/, with the stand-in model
# library and the case generator of the benchmark but without the tests.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/dependencias.sh" "$@"
cmake -S "$raiz" -B "$raiz/build-rapido" -DCMAKE_BUILD_TYPE=Release -DZEL_SANITIZADORES=OFF \
  -DZEL_TESTES=OFF >/dev/null
cmake --build "$raiz/build-rapido" -j "$(nproc)"
