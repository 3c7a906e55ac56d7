#!/usr/bin/env bash
# Benchmark of the validation: builds the optimised program, writes a large valid case with the
# project's generator and runs the program there (the stand-in model returns at once). Prints the
# validation time, the time of cat of the same input files into wc -l, their ratio and the peak
# memory. Usage (defaults shown; --pasta keeps the case in that folder instead of a temporary one):
#   medir_desempenho.sh [--sub-bacias 30] [--modelos 5] [--pontos 2000] [--dias 15] [--postos 4]
#                       [--anos 10] [--formato novo|antigo] [--pasta DIR]
set -euo pipefail
shopt -s lastpipe  # the line reader below runs in this shell and keeps its variables
raiz="$(cd "$(dirname "$0")/.." && pwd)"
construcao="$raiz/build-rapido"

opcoes=()
pasta=""
while [ "$#" -gt 0 ]; do
  if [ "$1" = "--pasta" ] && [ "$#" -ge 2 ]; then
    pasta="$2"
  else
    opcoes+=("$1" "${2:-}")
  fi
  shift $(( $# >= 2 ? 2 : 1 ))
done

bash "$raiz/scripts/construir_rapido.sh" time >/dev/null
medidas="$(mktemp)"
if [ -z "$pasta" ]; then
  pasta="$(mktemp -d)"
  trap 'rm -rf "$pasta" "$medidas"' EXIT
else
  trap 'rm -f "$medidas"' EXIT
  if [ -n "$(ls -A "$pasta" 2>/dev/null)" ]; then
    echo "A pasta $pasta ja existe e nao esta vazia" >&2
    exit 1
  fi
fi
"$construcao/gerador_caso" "$pasta" "${opcoes[@]}"
cp "$construcao/substituto/ZEL-KOVA.dll" "$pasta/bin/ZEL-KOVA.dll"
# runtime files the folder check requires beside the library
: > "$pasta/bin/libgcc_s_dw2-1.dll"
: > "$pasta/bin/libstdc++-6.dll"
pasta="$(cd "$pasta" && pwd)"
entrada=("$pasta"/Arq_Entrada/*)

# The same files once through cat, first to have them all in the page cache.
cat "${entrada[@]}" >/dev/null
inicio=$EPOCHREALTIME
linhas="$(cat "${entrada[@]}" | wc -l)"
fim=$EPOCHREALTIME
tempoCat="$(awk -v a="$inicio" -v b="$fim" 'BEGIN { printf "%.3f", b - a }')"
bytes="$(cat "${entrada[@]}" | wc -c)"

# The console line after the validation report marks its end.
marca="Validacao dos arquivos de entrada concluida com sucesso"
console=""
fimValidacao=""
cd "$pasta"
set +e
inicio=$EPOCHREALTIME
/usr/bin/time -v -o "$medidas" "$construcao/desktop_zel" </dev/null 2>&1 |
  while IFS= read -r linha; do
    [ -z "$fimValidacao" ] && [[ "$linha" == *"$marca"* ]] && fimValidacao=$EPOCHREALTIME
    console+="$linha"$'\n'
  done
codigo="${PIPESTATUS[0]}"
fim=$EPOCHREALTIME
set -e
memoria="$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$medidas")"

if [ -z "$fimValidacao" ] || [ "$codigo" -eq 203 ] || ! grep -q "Finalizando programa" <<<"$console"; then
  printf '%s' "$console"
  echo "O caso gerado nao passou pela validacao ate o modelo (codigo $codigo)" >&2
  exit 1
fi
tempoValidacao="$(awk -v a="$inicio" -v b="$fimValidacao" 'BEGIN { printf "%.3f", b - a }')"
tempoTotal="$(awk -v a="$inicio" -v b="$fim" 'BEGIN { printf "%.3f", b - a }')"
razao="$(awk -v v="$tempoValidacao" -v c="$tempoCat" 'BEGIN { printf "%.1f", (c > 0 ? v / c : 0) }')"

echo "Arquivos de entrada: ${#entrada[@]} arquivos, $linhas linhas, $bytes bytes"
echo "Validacao: $tempoValidacao s (rodada inteira: $tempoTotal s, codigo de saida $codigo)"
echo "cat | wc -l: $tempoCat s"
echo "Razao validacao / cat: $razao"
echo "Memoria maxima: $memoria kB"
