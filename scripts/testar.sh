#!/usr/bin/env bash
# Builds everything with the sanitizers and runs every test; also compiles the Windows branch.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/construir.sh"

echo "== Testes (Linux, ASan e UBSan)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$raiz/build" --output-on-failure -j "$(nproc)"

echo "== Verificacao de sintaxe do ramo Windows (MinGW 32 bits)"
bash "$raiz/scripts/verificar_windows.sh"

echo "== Rodada sob ThreadSanitizer"
bash "$raiz/scripts/verificar_tsan.sh"
