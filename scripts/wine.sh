#!/usr/bin/env bash
# Runs a program of the windows preset under Wine, in the prefix the build keeps in
# its own folder, so nothing outside the build is touched:
#   scripts/wine.sh PREFIX PROGRAM [ARGS...]  run PROGRAM (ctest's emulator)
#   scripts/wine.sh PREFIX --hold             make the prefix, keep one Wine server for it
#   scripts/wine.sh PREFIX --release          end that server
# Wine starts a server with the first program of a prefix and ends it a few seconds after
# the last; a test started in that moment loses its connection ("recvmsg: Connection reset
# by peer"), which on a new prefix happens often. A held server serves the whole run.
set -euo pipefail
wine=/usr/lib/wine  # Debian keeps wine64 and wineserver here, off PATH
# Under C.UTF-8 Wine's ANSI code page is 1252, which cannot hold a Chinese file name: a
# name that went through the ANSI code page instead of UTF-16 shows up garbled. Mono,
# Gecko and desktop menu entries (written outside the prefix) are not wanted.
export WINEPREFIX=$(realpath -m "$1") WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
shift
case "${1:-}" in
  --hold)
    # The server and the Windows services that the first program starts outlive the
    # programs: they must not hold the output of ctest's test discovery open.
    mkdir -p "$WINEPREFIX"
    "$wine/wineserver" -p </dev/null >/dev/null 2>&1
    "$wine/wine64" wineboot --init </dev/null >/dev/null 2>&1 ;;
  --release)
    "$wine/wineserver" -k 2>/dev/null || true ;;
  *)
    exec "$wine/wine64" "$@" ;;
esac
