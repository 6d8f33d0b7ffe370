#pragma once
// The canonical form of a 9 x 9 puzzle: one drawing that stands for every drawing of the same
// puzzle. Two puzzles are the same drawn differently when one becomes the other by any mix of
//   - relabelling the values (every 3 becomes 7, every 7 becomes 1, ...),
//   - reordering the rows within a band, and the bands,
//   - reordering the columns within a stack, and the stacks,
//   - transposing (rows become columns).
// Of all those drawings, each renumbered 1, 2, 3, ... in the order its values first appear in
// reading order, the canonical form is the smallest read as a string in reading order, an empty
// cell before any value. Same puzzles get the same form, different puzzles different ones.
//
// The search builds the form row by row and keeps only the arrangements whose rows so far are
// the smallest possible, so it looks at a few thousand arrangements, not all 3.4 million.

#include <span>
#include <vector>

namespace quorvel {

// `values`: the 81 cells in reading order, 0 for empty, 1..9 for a value. The result has the same
// layout.
std::vector<int> canonicalForm(std::span<const int> values);

}  // namespace quorvel
