#!/usr/bin/env bash
# make docs-images: the pictures of docs/guide.md and the README, made by the program itself. It
# runs on a virtual display through a scripted walk (scripts/drive-program.sh) and each picture
# is cut to the program's windows and written into docs/images/ as a PNG of at most 150 KB.
#
#   scripts/docs-images.sh BUILD
#
# The walk works on a copy of the program in BUILD/docs-images/program, with the delivered
# databases, so the pictures do not depend on the puzzles you stored.
set -euo pipefail
# shellcheck source=scripts/drive-program.sh
. "$(dirname "$0")/drive-program.sh"

build=${1:-build}
images=$(cd "$(dirname "$0")/.." && pwd)/docs/images
max_bytes=$((150 * 1024))
command -v convert >/dev/null || fail "convert is missing (scripts/ensure-deps.sh imagemagick)"
command -v pdftoppm >/dev/null || fail "pdftoppm is missing (scripts/ensure-deps.sh poppler-utils)"
# 1280 x 1024: the smallest common screen with room for the 125 % zoom's picture.
DRIVE_SCREEN=${DRIVE_SCREEN:-1280x1024}
export DRIVE_SCREEN
drive_program_start "$build" "$build/docs-images"
mkdir -p "$images"

# Writes the picture as a palette PNG when that is smaller, and fails when it is too large.
keep() {
    local from=$1 name=$2 to="$images/$2.png"
    convert "$from" -strip "$to"
    convert "$from" -strip -colors 256 "PNG8:$out/small.png"
    [ "$(stat -c %s "$out/small.png")" -lt "$(stat -c %s "$to")" ] && mv "$out/small.png" "$to"
    [ "$(stat -c %s "$to")" -le "$max_bytes" ] ||
        fail "$name.png has $(stat -c %s "$to") bytes, more than $max_bytes"
    echo "$drive_name: docs/images/$name.png, $(stat -c %s "$to") bytes"
}

# The screen cut to what the program shows: the black of the empty screen is trimmed away, and
# where windows of different heights leave some of it in a corner, it turns white.
shot() {
    alive
    import -window root "$out/screen.png"
    convert "$out/screen.png" -bordercolor black -border 1 -trim +repage "$out/cut.png"
    local corner at
    for corner in 0,0 %[fx:w-1],0 0,%[fx:h-1] %[fx:w-1],%[fx:h-1]; do
        at=$(convert "$out/cut.png" -format "$corner" info:)
        [ "$(convert "$out/cut.png" -format "%[pixel:p{$at}]" info:)" = "srgb(0,0,0)" ] &&
            convert "$out/cut.png" -fill white -draw "color $at floodfill" "$out/cut.png"
    done
    keep "$out/cut.png" "$1"
}

# Get Puzzle from Database with the number typed into its dialog (the level stays), left open.
ask_puzzle() {
    keys "$main" F2
    dialog=$(window_named '^Get a puzzle\.$')
    keys "$dialog" "$1"
}

# OK for the dialog that matches the pattern.
confirm() {
    keys "$dialog" Return
    window_gone "$1"
}

get_puzzle() {
    ask_puzzle "$1"
    confirm '^Get a puzzle\.$'
}

# Off 1024 x 768 the program first offers to change the screen mode: No.
if [ "$DRIVE_SCREEN" != 1024x768 ]; then
    dialog=$(window_named '^Screen Resolution Settings$')
    keys "$dialog" n
fi
main=$(window_named '^Quorvel V')
settle

# Getting a puzzle, and the grid ready for solving by hand: the tip over the focused cell and
# the panel of possible values beside the grid.
ask_puzzle 1
shot get-puzzle
confirm '^Get a puzzle\.$'
shot nine-puzzle

# Explain Next Step, its three presses.
keys "$main" F4
shot explain-1
keys "$main" F4
shot explain-2
keys "$main" F4
shot explain-3

# A chain explained: a candidate grid whose next step is an X-Chain, opened from a file; the
# second press lists the chain one link a line and draws it.
open_x_chain_puzzle
keys "$main" F4 F4
shot explain-chain

# A hard puzzle whose next value takes many steps, most of them forcing nets: the third step,
# its details unfolded (the Details button, beneath the summary), and only its net drawn.
puzzle="$out/nets.txt"
echo '8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..' >"$puzzle"
keys "$main" ctrl+o
dialog=$(window_named '^Open Puzzle File')
typed "$dialog" "$puzzle"
confirm '^Open Puzzle File'
keys "$main" F4 F4
keys "$main" Next Next
xdotool mousemove --window "$(window_named '^Hint$')" 40 103 click 1
settle
xdotool mousemove 1020 760
shot explain-net

# Show Mistakes on the stored puzzle with a wrong entry (1 where 5 belongs) and a right one.
get_puzzle 1
keys "$main" 1 Right 2 Right
keys "$main" shift+F11
shot show-mistakes

# Check Puzzle on an opened puzzle that lacks a given, so two solutions differ in marked cells.
puzzle="$out/two-solutions.txt"
echo '..9....3......3.597...4.2...9...6..5..12.89..6..4...2...8.9...245.1......62...5..' >"$puzzle"
keys "$main" ctrl+o
dialog=$(window_named '^Open Puzzle File')
typed "$dialog" "$puzzle"
confirm '^Open Puzzle File'
keys "$main" F11
shot check-puzzle

# The grid aids on the same puzzle opened afresh: a repeated 9 drawn as a conflict, the 5s
# highlighted, the cells where 4 can go shaded, and cells and notes coloured by hand.
keys "$main" ctrl+o
dialog=$(window_named '^Open Puzzle File')
typed "$dialog" "$puzzle"
confirm '^Open Puzzle File'
keys "$main" 9 Right
dialog=$(window_named '^Invalid Data\.$')
confirm '^Invalid Data\.$'
shot aid-conflicts
keys "$main" shift+5
shot aid-highlight
keys "$main" Escape alt+v v
dialog=$(window_named '^Filter Value$')
keys "$dialog" 4
confirm '^Filter Value$'
shot aid-filter
keys "$main" alt+v v
dialog=$(window_named '^Filter Value$')
keys "$dialog" N
confirm '^Filter Value$'
keys "$main" alt+v f alt+1 Down alt+2 Right alt+3 Right alt+4 alt+4 alt+shift+6 alt+1 alt+1 \
    alt+shift+8
shot aid-colouring

# The printed page of the stored puzzle.
get_puzzle 2
keys "$main" alt+p p
file_settled "$pdf"
pdftoppm -png -r 80 -singlefile "$pdf" "$out/page"
convert "$out/page.png" -bordercolor gray60 -border 1 "$out/page.png"
keep "$out/page.png" print-page

# Composing a puzzle of your own.
keys "$main" alt+s c
dialog=$(window_named '^My Su Doku\.$')
confirm '^My Su Doku\.$'
shot compose
keys "$main" alt+s q

# The 15 x 15 grid with a stored puzzle.
keys "$main" alt+p f
get_puzzle 1
shot fifteen-puzzle

# Zoom: the 15 x 15 grid at 125 %, then back to 100 %.
keys "$main" alt+v z 2
settle
shot zoom
keys "$main" alt+v z 1

# The Dark theme on the 9 x 9 grid with the stored puzzle, a few entries and notes.
keys "$main" alt+p n
get_puzzle 3
keys "$main" alt+v f
keys "$main" alt+v h d
settle
shot dark-theme
keys "$main" alt+v h c

# Statistics after two solved games: an opened puzzle that lacks one value, typed in by hand,
# and a stored one solved by Brute Force.
puzzle="$out/one-missing.txt"
echo '.23456789456789123789123456234567891567891234891234567345678912678912345912345678' >"$puzzle"
keys "$main" ctrl+o
dialog=$(window_named '^Open Puzzle File')
typed "$dialog" "$puzzle"
confirm '^Open Puzzle File'
keys "$main" 1 Right
get_puzzle 1
keys "$main" F6
settle
keys "$main" alt+h s
dialog=$(window_named '^Statistics$')
shot statistics
confirm '^Statistics$'
echo "$drive_name: the pictures are in $images"
