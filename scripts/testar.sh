#!/usr/bin/env bash
# Checks the include layers and the format, then runs every test twice: the Linux build
# (AddressSanitizer and UndefinedBehaviorSanitizer on, then one run under ThreadSanitizer), then the
# 32-bit Windows build under Wine. Says which part failed.
set -uo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"

testar_linux() {
  set -e
  bash "$raiz/scripts/construir.sh"
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  ctest --test-dir "$raiz/build" --output-on-failure -j "$(nproc)"
  echo "== Rodada sob ThreadSanitizer"
  bash "$raiz/scripts/verificar_tsan.sh"
}

echo "== Camadas e formato do codigo"
bash "$raiz/scripts/verificar_camadas.sh" && bash "$raiz/scripts/verificar_formato.sh"
estrutura=$?
echo "== Linux: construcao e testes (ASan e UBSan)"
(testar_linux)
linux=$?
echo "== Windows 32 bits: construcao com MinGW e testes sob Wine"
bash "$raiz/scripts/testar_windows.sh"
windows=$?

falhas=()
[ "$estrutura" -ne 0 ] && falhas+=("Camadas/formato")
[ "$linux" -ne 0 ] && falhas+=("Linux")
[ "$windows" -ne 0 ] && falhas+=("Windows (MinGW/Wine)")
if [ "${#falhas[@]}" -gt 0 ]; then
  echo "FALHOU: ${falhas[*]}" >&2
  exit 1
fi
echo "Todos os testes passaram (Linux e Windows)."
