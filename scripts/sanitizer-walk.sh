#!/usr/bin/env bash
# The real program, built with AddressSanitizer and UndefinedBehaviorSanitizer, walked on a
# virtual display through what draws the most: both grids with a stored puzzle, every note
# filled, Explain Next Step's three presses (the hint panel), a chain drawn over the grid, the
# printed page and a booklet; then Quit, so the leak check runs at the program's end. Fails when
# the program reports any sanitizer finding or does not end cleanly.
#
#   scripts/sanitizer-walk.sh BUILD     (a build configured with QUORVEL_SANITIZE=ON)
#
# Leaks that Qt, fontconfig and the X libraries keep on their own are listed, with whose they
# are, in tests/lsan-suppressions.txt; nothing of Quorvel's is suppressed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export LSAN_OPTIONS="suppressions=$root/tests/lsan-suppressions.txt:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# shellcheck source=scripts/drive-program.sh
. "$(dirname "$0")/drive-program.sh"

build=${1:-build-asan}
# Sanitized code runs several times slower: give each step longer to come to rest.
step_timeout=$((step_timeout * 3))
drive_program_start "$build" "$build/sanitizer-walk"

get_puzzle() {
    keys "$main" F2
    dialog=$(window_named '^Get a puzzle\.$')
    keys "$dialog" "$1" Return
    window_gone '^Get a puzzle\.$'
}

main=$(window_named '^Quorvel V')
settle

# The 9 x 9 grid: a stored puzzle, its notes, and the hint panel through Explain Next Step.
get_puzzle 1
keys "$main" alt+v f
keys "$main" F4 F4 F4

# A candidate grid whose next step is an X-Chain: the chain is drawn over the grid.
open_x_chain_puzzle
keys "$main" F4 F4
import -window root "$out/chain.png"

# The printed page, then a booklet of the stored puzzles with the dialog's choices.
keys "$main" alt+p p
file_settled "$pdf"
rm -f "$pdf"
keys "$main" alt+p k
dialog=$(window_named '^Print Booklet')
keys "$dialog" Return
window_gone '^Print Booklet'
file_settled "$pdf"

# The 15 x 15 grid the same way.
keys "$main" alt+p f
get_puzzle 1
keys "$main" alt+v f
keys "$main" F4 F4
import -window root "$out/fifteen.png"

# Quit through the about window's exit question; the leak check runs as the program ends.
keys "$main" alt+q
dialog=$(window_named '^Exit')
xdotool windowfocus --sync "$dialog" key alt+y
status=0
for _ in $(seq $((step_timeout * 4))); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.25
done
kill -0 "$program" 2>/dev/null && fail "the program did not end after Quit"
wait "$program" || status=$?
trap - EXIT
if grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:' "$log"; then
    cat "$log" >&2
    fail "the sanitizers reported a fault (above)"
fi
[ "$status" -eq 0 ] || { cat "$log" >&2; fail "the program ended with status $status"; }
echo "$drive_name: no sanitizer finding; pictures and the program's log are in $out"
