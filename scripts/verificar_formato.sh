#!/usr/bin/env bash
# Fails when a source or test file differs from what clang-format makes of it (.clang-format).
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/dependencias.sh clang-format >/dev/null
diferentes=()
while IFS= read -r arquivo; do
  clang-format --dry-run -Werror "$arquivo" >/dev/null 2>&1 || diferentes+=("$arquivo")
done < <(git ls-files -co --exclude-standard 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp')
if [ "${#diferentes[@]}" -gt 0 ]; then
  printf 'Formato: difere de clang-format: %s\n' "${diferentes[@]}" >&2
  exit 1
fi
echo "Formato: todos os arquivos seguem o .clang-format"
