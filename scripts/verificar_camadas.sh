#!/usr/bin/env bash
# Fails on any include in src/ that points up or sideways in the layers, or on an operating-system
# header outside src/platform/. Layers, top to bottom:
#   run/ -> validation/ -> config/, series/ -> validation/comum/ -> platform/
set -uo pipefail
cd "$(dirname "$0")/../src" || exit 1

camada() {
  case "$1" in
    validation/comum/*) echo comum ;;
    *) echo "${1%%/*}" ;;
  esac
}

# What each layer may include besides itself.
permitidas() {
  case "$1" in
    run) echo "validation config series comum platform" ;;
    validation) echo "config series comum platform" ;;
    config | series) echo "comum platform" ;;
    comum) echo "platform" ;;
    *) echo "" ;;
  esac
}

falhas=0
verificados=0
while IFS= read -r arquivo; do
  verificados=$((verificados + 1))
  origem=$(camada "$arquivo")
  while IFS= read -r alvo; do
    destino=$(camada "$alvo")
    if [ "$destino" != "$origem" ] && ! [[ " $(permitidas "$origem") " == *" $destino "* ]]; then
      echo "$arquivo: inclui $alvo ($origem -> $destino)"
      falhas=$((falhas + 1))
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$arquivo")
  if [ "$origem" != platform ]; then
    while IFS= read -r alvo; do
      echo "$arquivo: cabecalho do sistema <$alvo> fora de platform/"
      falhas=$((falhas + 1))
    done < <(sed -n 's/^#include <\([^>]*\.h\)>.*/\1/p' "$arquivo" | grep -v -E '^(boost|gtest|gmock)/')
  fi
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort)

if [ "$verificados" -eq 0 ]; then
  echo "Camadas: nenhum arquivo de codigo encontrado em src/" >&2
  exit 1
fi
if [ "$falhas" -gt 0 ]; then
  echo "Camadas: $falhas inclusao(oes) fora da ordem" >&2
  exit 1
fi
echo "Camadas: nenhuma inclusao fora da ordem"
