#!/usr/bin/env bash
# Builds the Windows executable, the stand-in model libraries and the tests with MinGW, and runs
# every test under Wine in a 32-bit prefix of build-windows/. Ends the Wine server it started.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
saida="$raiz/build-windows"
bash "$raiz/scripts/dependencias_windows.sh" wine
bash "$raiz/scripts/construir_windows.sh" testes

# The stand-in library must export the name unchanged (C calling convention, no decoration).
exportacoes="$(i686-w64-mingw32-objdump -p "$saida/substituto/ZEL-KOVA.dll")"
if ! grep -qE '^\s*\[ *[0-9]+\] executarZelKovaCompartilhado$' <<<"$exportacoes"; then
  echo "ZEL-KOVA.dll nao exporta executarZelKovaCompartilhado sem decoracao" >&2
  exit 1
fi

export WINEPREFIX="$saida/wine" WINEARCH=win32 WINEDEBUG=-all
# no debugger report on a crash; no Mono or Gecko installer when the prefix is made
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
encerrar_wine() { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }
trap encerrar_wine EXIT
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== Criando o prefixo Wine de 32 bits"
  wineboot -i
fi
# A 32-bit program that Wine cannot really run ends silently with code 0: check one first.
if [ "$(wine cmd /c echo zel-wine)" != $'zel-wine\r' ]; then
  echo "Wine nao executa programas de 32 bits (wine32 ausente?)" >&2
  exit 1
fi

ctest --test-dir "$saida" --output-on-failure -j "$(nproc)"
