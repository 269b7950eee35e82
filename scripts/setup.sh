#!/usr/bin/env bash
# Installs the Debian packages that are missing; quiet when all are there.
#   scripts/setup.sh                         the packages of packages.txt
#   scripts/setup.sh packages-windows.txt    those and the ones of the lists named
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
missing=()
for list in packages.txt "$@"; do
  while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done < "$here/$list"
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# A desktop in German writes decimals with a comma; the tests check that no number
# the program writes follows it.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "Making the locale de_DE.UTF-8"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
