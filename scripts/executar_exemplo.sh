#!/usr/bin/env bash
# Builds the optimised program and the demo model library, lays them into the example case and
# runs it there.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/construir_rapido.sh"
caso="$raiz/caso_exemplo"
mkdir -p "$caso/bin" "$caso/logs" "$caso/Arq_Entrada" "$caso/Arq_Saida"
cp "$raiz/build-rapido/substituto/ZEL-KOVA.dll" "$caso/bin/ZEL-KOVA.dll"
# runtime files the folder check requires beside the library
: > "$caso/bin/libgcc_s_dw2-1.dll"
: > "$caso/bin/libstdc++-6.dll"
cd "$caso"
set +e
"$raiz/build-rapido/desktop_zel"
codigo=$?
set -e
echo "Codigo de saida: $codigo"
