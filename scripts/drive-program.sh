# shellcheck shell=bash
# Drives the real program on a virtual display; sourced by demo.sh and docs-images.sh.
#
#   drive_program_start BUILD OUT    starts Xvfb, 1024 x 768 or DRIVE_SCREEN (e.g. 1280x1024),
#                                    by running the calling script again inside it,
#                                    then the program from a copy in OUT/program, so its stored
#                                    and generated puzzles never touch the databases next to
#                                    BUILD/quorvel; Print writes OUT/quorvel-print.pdf
#
# Keys go to the program with xdotool and screenshots come from ImageMagick's `import`. Print
# writes straight into the PDF named by QUORVEL_PRINT_PDF (the program's one switch for scripted
# runs). After drive_program_start: $out (absolute), $pdf, $log and $program (its process id).

step_timeout=${DRIVE_STEP_TIMEOUT:-${DEMO_STEP_TIMEOUT:-60}}
drive_name=$(basename "$0" .sh)

fail() {
    echo "$drive_name: $*" >&2
    exit 1
}

drive_program_start() {
    local build=$1
    out=$2
    for tool in xvfb-run xdotool import; do
        command -v "$tool" >/dev/null || fail "$tool is missing (scripts/ensure-deps.sh installs it)"
    done
    [ -x "$build/quorvel" ] || fail "$build/quorvel was not built: run make build first"

    # Outside the virtual display: start one and run the calling script again inside it.
    if [ -z "${QUORVEL_DRIVE_DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 ${DRIVE_SCREEN:-1024x768}x24" env QUORVEL_DRIVE_DISPLAY=1 \
            "$0" "$build"
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
    # The pointer rests off the program's windows, so no tool tip covers a screenshot.
    xdotool mousemove 1020 760
}

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

# Text typed into the window, then time to act.
typed() {
    local window=$1
    shift
    alive
    xdotool windowfocus --sync "$window"
    xdotool type --delay 60 "$@"
    settle
}

# Opens a candidate grid whose next step is an X-Chain through Open Puzzle File, so that Explain
# Next Step's second press lists the chain and draws it over the grid.
open_x_chain_puzzle() {
    local puzzle="$out/x-chain.txt" dialog
    printf '%s\n' \
        '8 34679 5 269 3479 23479 346 346 1' \
        '49 1 23 5689 3489 34589 7 34568 29' \
        '479 34679 237 5689 34789 1 34568 34568 29' \
        '2 357 137 4 6 378 9 13578 58' \
        '457 8 179 129 1379 2379 13456 134567 36' \
        '1479 3479 6 189 5 3789 2 13478 38' \
        '3 59 189 7 2 6 158 158 4' \
        '6 57 178 1589 1489 4589 1358 2 3578' \
        '157 2 4 3 18 58 168 9 678' >"$puzzle"
    keys "$main" ctrl+o
    dialog=$(window_named '^Open Puzzle File')
    typed "$dialog" "$puzzle"
    keys "$dialog" Return
    window_gone '^Open Puzzle File'
}
