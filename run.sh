#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds VORNA and starts it in its working folder.
set -euo pipefail
cd "$(dirname "$0")"
# Checked first: without a display the program cannot start, so nothing is set up or built.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "run.sh: no display found; start it from a desktop session." >&2
  echo "  (xvfb-run ./run.sh starts it on a virtual screen nobody can see, useful only to check that it starts)" >&2
  exit 1
fi
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target vorna
# The program reads and writes its files relative to its working folder; the
# shipped selection file is copied there once, so a saved choice survives rebuilds.
workdir=build/run
mkdir -p "$workdir"
cp -rn dist/. "$workdir/"
cd "$workdir"
exec ../default/src/app/vorna "$@"
