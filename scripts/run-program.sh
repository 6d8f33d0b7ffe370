#!/usr/bin/env bash
# Starts the program from the given build folder. The program itself says, in one line, how to
# run it under a virtual display when there is no display.
set -euo pipefail
build=$1
if [ ! -x "$build/quorvel" ]; then
    echo "$build/quorvel was not built: the program needs Qt 6 Widgets (qt6-base-dev)." >&2
    exit 1
fi
exec "$build/quorvel"
