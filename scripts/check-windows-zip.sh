#!/usr/bin/env bash
# Checks the Windows zip as a user meets it, on the X display in DISPLAY:
#   scripts/check-windows-zip.sh ZIP WINEPREFIX
# It holds vorna.exe and the shipped selection file under names that Windows' own
# unpacker reads as UTF-8; unpacked into a folder whose path holds Chinese characters
# and a space, its vorna.exe starts under Wine in its own folder, as a double-click
# starts it, shows the main window (found by its title on the display) and ends when
# that window is closed.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
zip=$(realpath "$1")
prefix=$(realpath -m "$2")
title="VORNA-宏程序生成器"
fail() { echo "check-windows-zip: $*" >&2; exit 1; }

top=$(basename "$zip" .zip)
expected="$top/vorna.exe
$top/数控系统/保存选择数控系统删除将不能保存选择.txt"
listed=$(unzip -Z1 "$zip" | grep -v '/$' | LC_ALL=C sort)
[[ "$listed" == "$expected" ]] || fail "the zip holds"$'\n'"$listed"$'\n'"instead of"$'\n'"$expected"
# A name beyond ASCII needs the UTF-8 flag (bit 11 of its central directory entry's
# flags): without it Explorer reads the name in the OEM code page, and the program
# finds no 数控系统 folder.
unmarked=$(perl -0777 -ne '
  my $offset = unpack("x16 V", substr($_, rindex($_, "PK\x05\x06"), 22));
  while (substr($_, $offset, 4) eq "PK\x01\x02") {
    my ($flags, $n, $x, $c) = unpack("x8 v x18 v v v", substr($_, $offset, 46));
    my $name = substr($_, $offset + 46, $n);
    print "$name\n" if $name =~ /[\x80-\xff]/ && !($flags & 0x800);
    $offset += 46 + $n + $x + $c;
  }' "$zip")
[[ -z "$unmarked" ]] || fail "names not marked as UTF-8:"$'\n'"$unmarked"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/数控 程序"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
cmp -s "$folder/$top/数控系统/保存选择数控系统删除将不能保存选择.txt" \
  "$here/dist/数控系统/保存选择数控系统删除将不能保存选择.txt" || fail "the selection file differs from dist/"

cd "$folder/$top"
"$here/scripts/wine.sh" "$prefix" vorna.exe &
program=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name "^$title\$" | head -1) \
  || { kill "$program"; fail "no window titled $title appeared"; }
"$here/scripts/close-window.py" "$window"
timeout 60 tail --pid="$program" -f /dev/null || { kill "$program"; fail "vorna.exe did not close"; }
wait "$program" || fail "vorna.exe ended with $?"
echo "check-windows-zip: $(basename "$zip") unpacked into \"$folder\", started, showed \"$title\", closed"
