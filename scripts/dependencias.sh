#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when one is missing.
set -euo pipefail

pacotes=(cmake g++ make libboost-dev libboost-regex-dev libboost-filesystem-dev
         libboost-date-time-dev libgtest-dev "$@")

faltando=()
for pacote in "${pacotes[@]}"; do
  dpkg -s "$pacote" >/dev/null 2>&1 || faltando+=("$pacote")
done

if [ "${#faltando[@]}" -gt 0 ]; then
  echo "Instalando: ${faltando[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${faltando[@]}"
fi
