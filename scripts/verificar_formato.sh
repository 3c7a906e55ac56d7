#!/usr/bin/env bash
# Fails when a source or test file differs from what clang-format makes of it (.clang-format).
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/dependencias.sh clang-format >/dev/null
# every source and test file in the tree, in a git checkout or not
verificados=0
diferentes=()
while IFS= read -r arquivo; do
  verificados=$((verificados + 1))
  clang-format --dry-run -Werror "$arquivo" >/dev/null 2>&1 || diferentes+=("$arquivo")
done < <(find src tests -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
if [ "$verificados" -eq 0 ]; then
  echo "Formato: nenhum arquivo de codigo encontrado em src/ e tests/" >&2
  exit 1
fi
if [ "${#diferentes[@]}" -gt 0 ]; then
  printf 'Formato: difere de clang-format: %s\n' "${diferentes[@]}" >&2
  exit 1
fi
echo "Formato: os $verificados arquivos seguem o .clang-format"
