#!/usr/bin/env bash
# make demo: runs the real program on a virtual display through a short scripted session and
# keeps a screenshot after each step, and the printed page as a PDF, in BUILD/demo/.
#
#   scripts/demo.sh BUILD
#
# The program runs from a copy in BUILD/demo/program (scripts/drive-program.sh), so the
# session's stored and generated puzzles never touch the databases next to BUILD/quorvel.
set -euo pipefail
# shellcheck source=scripts/drive-program.sh
. "$(dirname "$0")/drive-program.sh"

build=${1:-build}
drive_program_start "$build" "$build/demo"

shot() {
    alive
    import -window root "$out/$1.png"
    echo "demo: $1.png"
}

main=$(window_named '^Quorvel V')
settle
shot 01-start

keys "$main" F2
dialog=$(window_named '^Get a puzzle\.$')
keys "$dialog" 1
shot 02-get-puzzle-dialog
keys "$dialog" Return
window_gone '^Get a puzzle\.$'
shot 03-stored-puzzle

keys "$main" F8
shot 04-check-for-single

keys "$main" F12
shot 05-get-next

keys "$main" F7
shot 06-number-crunch

# Puzzle Grid > Fifteen.
keys "$main" alt+p f
shot 07-fifteen

# Database > Computer Generated Puzzle stores the new puzzle in the 15x15 database.
before=$(stat -c %Y.%s "$out/program/type5.pxz")
keys "$main" alt+d c
for _ in $(seq $((step_timeout * 2))); do
    alive
    [ "$(stat -c %Y.%s "$out/program/type5.pxz")" != "$before" ] && break
    sleep 0.5
done
[ "$(stat -c %Y.%s "$out/program/type5.pxz")" != "$before" ] ||
    fail "no generated puzzle was stored within ${step_timeout}s"
shot 08-generated

# Puzzle Grid > Print.
keys "$main" alt+p p
file_settled "$pdf"
shot 09-printed
if command -v pdftoppm >/dev/null; then
    pdftoppm -png -r 80 -singlefile "$pdf" "$out/10-printed-page"
    echo "demo: 10-printed-page.png"
fi

# Set Puzzle > Create My Su Doku with the number of exposed cells it offers, then Test Screen.
keys "$main" alt+s c
dialog=$(window_named '^My Su Doku\.$')
shot 11-my-sudoku-dialog
keys "$dialog" Return
window_gone '^My Su Doku\.$'
shot 12-composing
keys "$main" alt+s t
shot 13-test-screen
echo "demo: screenshots and $(basename "$pdf") are in $out"
