#pragma once
// The puzzles a generated one must not repeat: the benchmark collections puzzle people measure
// with and the puzzles the program delivers in its 9 x 9 database. They are held by canonical
// form (model/canonical_form.h), so a puzzle that is one of them drawn differently (values
// relabelled, rows, columns, bands or stacks reordered, transposed) counts as known too.
//
// The forms are listed in data/known-puzzles.txt (docs/tool.md says how to make it again) and
// compiled into the program; the set is built from them once, on first use.

#include <span>
#include <string_view>

#include "model/grid_kind.h"

namespace quorvel {

// The lines of data/known-puzzles.txt: canonical forms as puzzle lines ('.' empty, 1-9).
std::span<const std::string_view> knownPuzzleLines();

// True when the 9 x 9 puzzle (0 = empty, index 0 is cell 1) is a known puzzle drawn in any way;
// a 15 x 15 puzzle is never known.
bool isKnownPuzzle(const GridKind& kind, std::span<const int> values);

}  // namespace quorvel
