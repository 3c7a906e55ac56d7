#!/usr/bin/env bash
# Runs the example case once under ThreadSanitizer: the model and progress threads share the
# run-context record, and any race report fails the run.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
construcao="$raiz/build-tsan"
cmake -S "$raiz" -B "$construcao" -DCMAKE_BUILD_TYPE=Debug -DZEL_SANITIZADORES=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
  -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=thread" >/dev/null
cmake --build "$construcao" -j "$(nproc)" --target desktop_zel modelo_substituto >/dev/null

caso="$(mktemp -d)"
trap 'rm -rf "$caso"' EXIT
cp -r "$raiz/caso_exemplo/." "$caso/"
cp "$construcao/substituto/ZEL-KOVA.dll" "$caso/bin/ZEL-KOVA.dll"
: > "$caso/bin/libgcc_s_dw2-1.dll"
: > "$caso/bin/libstdc++-6.dll"
printf 'estado 700 1000\nmensagem Mensagem\ntotal 2\nprocessadas 1\nestado 200 2000\nprocessadas 2\nestado 0 0\nretorno 0\n' \
  > "$caso/modelo_substituto.txt"
saida="$(cd "$caso" && TSAN_OPTIONS="halt_on_error=1" "$construcao/desktop_zel" </dev/null 2>&1)" || {
  echo "$saida"; echo "ThreadSanitizer: a rodada falhou"; exit 1; }
if grep -q "ThreadSanitizer" <<<"$saida"; then
  echo "$saida"; exit 1
fi
grep -q "Finalizando programa" <<<"$saida" || { echo "$saida"; echo "Rodada incompleta"; exit 1; }
echo "ThreadSanitizer: nenhuma condicao de corrida."
