#!/usr/bin/env bash
# Installs the Debian packages that are missing; quiet when all are there.
#   scripts/setup.sh                         the packages of packages.txt
#   scripts/setup.sh packages-windows.txt    those and the ones of the lists named
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
missing=()
for list in packages.txt "$@"; do
  while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done < "$here/$list"
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
