#!/usr/bin/env bash
# Compiles the Windows platform branch and the shared record with the 32-bit MinGW compiler.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
for fonte in src/platform/PlataformaWindows.cpp src/run/ContextoExecucao.cpp; do
  [ -f "$raiz/$fonte" ] || continue
  i686-w64-mingw32-g++ -std=c++17 -Wall -Wextra -fsyntax-only -I "$raiz/src" "$raiz/$fonte"
done
echo "Ramo Windows compila."
