#!/usr/bin/env bash
# Cross-builds the optimised (Release) program for 32-bit Windows with MinGW in build-windows/:
# desktop_zel.exe, statically linked, to be copied to a Windows machine. With "testes" it also
# builds the tests, the stand-in model libraries and the case generator.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
saida="$raiz/build-windows"
bash "$raiz/scripts/dependencias_windows.sh"
bash "$raiz/scripts/boost_windows.sh" "$saida/boost"
cmake -S "$raiz" -B "$saida" -DCMAKE_TOOLCHAIN_FILE="$raiz/scripts/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
if [ "${1:-}" = "testes" ]; then
  cmake --build "$saida" -j "$(nproc)"
else
  cmake --build "$saida" -j "$(nproc)" --target desktop_zel
  echo "Executavel: $saida/desktop_zel.exe"
fi
