#!/usr/bin/env bash
# Installs what the Windows build and its tests need: the 32-bit MinGW compiler, googletest's
# sources and Wine with its 32-bit part; only what is missing.
set -euo pipefail

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"

# Only the compiler (for the executable alone); "wine" adds Wine.
pacotes=(cmake make g++-mingw-w64-i686 googletest xz-utils dpkg-dev)
if [ "${1:-}" = "wine" ]; then
  pacotes+=(wine wine32:i386 wine64)
fi

faltando=()
for pacote in "${pacotes[@]}"; do
  dpkg -s "$pacote" >/dev/null 2>&1 || faltando+=("$pacote")
done
[ "${#faltando[@]}" -eq 0 ] && exit 0

if [ "${1:-}" = "wine" ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo_cmd dpkg --add-architecture i386
fi
echo "Instalando: ${faltando[*]}"
$sudo_cmd apt-get update
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${faltando[@]}"
