#!/usr/bin/env bash
# make demo: runs the real program on a virtual display through a short scripted session and
# keeps a screenshot after each step, and the printed page as a PDF, in BUILD/demo/.
#
#   scripts/demo.sh BUILD
#
# The program runs from a copy in BUILD/demo/program, so the session's stored and generated
# puzzles never touch the databases next to BUILD/quorvel. Keys go to the program with xdotool,
# screenshots come from ImageMagick's `import`, and Print writes straight into the PDF named by
# QUORVEL_PRINT_PDF (the program's one switch for scripted runs).
set -euo pipefail

build=${1:-build}
out="$build/demo"
step_timeout=${DEMO_STEP_TIMEOUT:-60}

fail() {
    echo "demo: $*" >&2
    exit 1
}

for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/ensure-deps.sh installs it)"
done
[ -x "$build/quorvel" ] || fail "$build/quorvel was not built: run make build first"

# Outside the virtual display: start one and run this script again inside it.
if [ -z "${QUORVEL_DEMO_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env QUORVEL_DEMO_DISPLAY=1 "$0" "$build"
fi

rm -rf "$out"
mkdir -p "$out/program"
cp "$build/quorvel" "$out/program/"
for data in type3.pxz type5.pxz sudokuhelp.pxz; do
    [ -f "$build/$data" ] || fail "$build/$data is missing: build the program first"
    cp "$build/$data" "$out/program/"
done
out=$(cd "$out" && pwd)
pdf="$out/quorvel-print.pdf"
log="$out/program.log"

QUORVEL_PRINT_PDF="$pdf" "$out/program/quorvel" >"$log" 2>&1 &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT

alive() {
    kill -0 "$program" 2>/dev/null || fail "the program ended early (see $log)"
}

# The id of the visible window whose title matches the pattern, waiting for it to show.
window_named() {
    local pattern=$1 id=""
    for _ in $(seq $((step_timeout * 4))); do
        alive
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.25
    done
    fail "no window titled '$pattern' showed within ${step_timeout}s"
}

# Waits until no window matching the pattern is visible any more.
window_gone() {
    local pattern=$1
    for _ in $(seq $((step_timeout * 4))); do
        alive
        xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1 || return 0
        sleep 0.25
    done
    fail "the window titled '$pattern' did not close within ${step_timeout}s"
}

# Waits until the file exists and has not changed size for a second.
file_settled() {
    local file=$1 last=-1 size
    for _ in $(seq $((step_timeout * 2))); do
        alive
        size=$(stat -c %s "$file" 2>/dev/null || echo -1)
        [ "$size" -gt 0 ] && [ "$size" = "$last" ] && return 0
        last=$size
        sleep 0.5
    done
    fail "$file was not written within ${step_timeout}s"
}

# CPU time the program has used so far, in clock ticks.
cpu_ticks() {
    awk '{print $14 + $15}' "/proc/$program/stat" 2>/dev/null || echo 0
}

# Waits until the program is idle: for two half-second intervals in a row it used (almost) no
# CPU and the screen changed by no more than a blinking caret and the elapsed-time clock. A
# command runs inside the event that started it, with drawing frozen at times, so neither
# sign is enough alone.
settle() {
    local before="$out/.settle-a.png" after="$out/.settle-b.png" ticks quiet=0 changed used
    import -window root "$before"
    ticks=$(cpu_ticks)
    for _ in $(seq $((step_timeout * 2))); do
        sleep 0.5
        alive
        import -window root "$after"
        # compare reports the count of differing pixels, and exits 1 when there are any.
        changed=$({ compare -metric AE "$before" "$after" null: 2>&1 || true; } |
            awk '{printf "%d", $1}')
        used=$(($(cpu_ticks) - ticks))
        ticks=$(cpu_ticks)
        mv "$after" "$before"
        if [ "${changed:-999999}" -lt 800 ] && [ "$used" -le 2 ]; then
            quiet=$((quiet + 1))
            [ "$quiet" -ge 2 ] && { rm -f "$before"; return 0; }
        else
            quiet=0
        fi
    done
    fail "the program did not come to rest within ${step_timeout}s"
}

# Keys for the window: it takes the keyboard focus first; then the program gets time to act.
keys() {
    local window=$1
    shift
    alive
    xdotool windowfocus --sync "$window"
    xdotool key --delay 150 "$@"
    settle
}

shot() {
    alive
    import -window root "$out/$1.png"
    echo "demo: $1.png"
}

# The pointer rests off the program's windows, so no tool tip covers a screenshot.
xdotool mousemove 1020 760

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
