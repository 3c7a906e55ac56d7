#!/usr/bin/env bash
# Boost for the 32-bit Windows build, from Debian's own source package boost1.74: the merged
# headers and static Regex and Filesystem libraries compiled with MinGW. Usage:
#   boost_windows.sh <destination folder>     (the result is kept there; a second run skips it)
# System and DateTime need no compiled library in this Boost version.
set -euo pipefail
destino="$(mkdir -p "$1" && cd "$1" && pwd)"
if [ -f "$destino/lib/libboost_regex.a" ] && [ -f "$destino/lib/libboost_filesystem.a" ] &&
   [ -f "$destino/include/boost/version.hpp" ]; then
  exit 0
fi

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
# the compiler of the build (posix thread model)
compilador=i686-w64-mingw32-g++-posix
trabalho="$destino.fontes"
rm -rf "$trabalho" "$destino"
mkdir -p "$trabalho/pacote"

# A source entry for the suite this machine runs, on its own list, removed again at the end.
. /etc/os-release
suite="$VERSION_CODENAME"
espelho="$(grep -rhoE '^(URIs:|deb) +https?://[^ ]+/debian/?( |$)' /etc/apt/sources.list \
             /etc/apt/sources.list.d/ 2>/dev/null | grep -oE 'https?://[^ ]+' | head -n 1 || true)"
espelho="${espelho:-http://deb.debian.org/debian}"
lista=/etc/apt/sources.list.d/zel-boost-fontes.list
remover_lista() { $sudo_cmd rm -f "$lista"; }
trap remover_lista EXIT
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $espelho $suite main" |
  $sudo_cmd tee "$lista" >/dev/null
# Only this list is read, and the lists of the others are kept as they are.
opcoes_apt=(-o "Dir::Etc::sourcelist=$lista" -o "Dir::Etc::sourceparts=-"
            -o "APT::Get::List-Cleanup=0")
echo "== Boost: pacote-fonte boost1.74 de $espelho $suite"
$sudo_cmd apt-get "${opcoes_apt[@]}" update
(cd "$trabalho/pacote" && apt-get "${opcoes_apt[@]}" source --download-only boost1.74)
remover_lista
trap - EXIT

# Only the headers and the sources of the two compiled libraries are unpacked.
original="$(ls "$trabalho"/pacote/boost1.74_*.orig.tar.* | head -n 1)"
mkdir -p "$trabalho/arvore"
tar -xf "$original" -C "$trabalho/arvore" --strip-components=1 --wildcards \
  '*/libs/*/include/boost/*' '*/libs/regex/src/*' '*/libs/filesystem/src/*'
mkdir -p "$destino/include/boost" "$destino/lib"
find "$trabalho/arvore/libs" -type d -path '*/include/boost' -prune -print |
  while read -r pasta; do cp -R "$pasta/." "$destino/include/boost/"; done

compilar() {
  local nome="$1" definicoes="$2"
  local objetos="$trabalho/obj/$nome"
  mkdir -p "$objetos"
  find "$trabalho/arvore/libs/$nome/src" -name '*.cpp' -print0 |
    xargs -0 -P "$(nproc)" -I{} sh -c \
      'f="$1"; o="$2/$(basename "$f" .cpp).o"; shift 2; exec "$@" -c "$f" -o "$o"' _ {} "$objetos" \
      "$compilador" -std=c++17 -O2 -w -DNDEBUG -DBOOST_ALL_NO_LIB $definicoes \
      -I "$destino/include" -I "$trabalho/arvore/libs/$nome/src"
  i686-w64-mingw32-ar rcs "$destino/lib/libboost_$nome.a" "$objetos"/*.o
}
echo "== Boost: compilando Regex e Filesystem com MinGW"
compilar regex "-DBOOST_REGEX_STATIC_LINK"
compilar filesystem "-DBOOST_FILESYSTEM_STATIC_LINK -DBOOST_FILESYSTEM_SOURCE"
rm -rf "$trabalho"
echo "Boost pronto em $destino"
