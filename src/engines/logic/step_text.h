#pragma once
// The words the explanations are made of: cell names "r3c12", unit names "row 3", "column 12",
// "block 7", and lists joined as a person writes them ("a, b and c").

#include <span>
#include <string>
#include <vector>

#include "engines/logic/logic_grid.h"
#include "engines/logic/step.h"

namespace quorvel::logic {

std::string cellName(const GridKind& kind, int cell);
std::string unitName(const GridKind& kind, int unit);
UnitRef unitRef(const GridKind& kind, int unit);
std::string joinWords(const std::vector<std::string>& words);
std::string cellList(const GridKind& kind, std::span<const int> cells);
std::string valueList(std::span<const int> values);
std::vector<int> valuesOf(ValueMask mask);
// A cell with its candidates: "r3c12 (4/7)".
std::string cellWithCandidates(const LogicGrid& grid, int cell);
// "2 and 7 from r2c3 and r4c3; 5 from r2c3": eliminations grouped by value, values removed from
// the same cells together.
std::string eliminationList(const GridKind& kind, std::span<const CellValue> eliminations);

// A list with its last " and " read as " or ": "r1c1, r1c2 or r1c3", "3, 5 or 7".
std::string orList(std::string list);
// A candidate being true or false: "r3c4 is 5", "r3c4 is not 5".
std::string candidateText(const GridKind& kind, CellValue candidate, bool holds);
// One of some cells holding a value: "5 is in r1c1 or r1c2".
std::string placesText(const GridKind& kind, int value, std::span<const int> cells);

// A chain node being true or false: "r3c4 is 5", "r3c4 is not 5"; a group "5 is in r1c1 or
// r1c2" and "neither r1c1 nor r1c2 is 5" ("none of r1c1, r1c2 and r1c3 is 5").
std::string nodeText(const GridKind& kind, std::span<const CellValue> node, bool holds);
// A chain in words, one line per link: "r3c4 is not 5, so r3c8 is 5"; a link that goes on from
// what the line before concluded is just "so r6c8 is not 5".
std::vector<std::string> chainLines(const GridKind& kind, std::span<const ChainLink> chain);

// Forcing nets. What a fact rests on, read after it: " (its last candidate)", " (the last place
// for 5 in row 3)", " (its last places in row 3)" for a group, and a nested net's reason why a
// candidate is not 5, " (if it were 5, then CONTRADICTION)"; the nested net's own lines come
// before, under "inside: if r3c9 were 5:" and indented by kInsideIndent (once more for each
// depth of nesting).
std::string lastCandidateNote();
// What placing a value removes, in one clause: "r2c5 is not 7 or 8; r1c5 and r3c5 are not 5".
std::string peerRemovalsText(const GridKind& kind, CellValue placed,
                             std::span<const CellValue> removed);
std::string lastPlaceNote(const GridKind& kind, int value, int unit);
std::string lastPlacesNote(const GridKind& kind, int unit);
std::string nestedNote(int value, const std::string& contradiction);
std::string insideHeader(const GridKind& kind, CellValue assumption);
inline constexpr std::string_view kInsideIndent = "  ";
// The contradictions a net ends in: "r4c4 has no candidate left", "5 has no place left in row 3",
// "r4c4 is 5 and 7" (`other` 0: "r4c4 is 5 and is not 5").
std::string emptyCellText(const GridKind& kind, int cell);
std::string emptyUnitText(const GridKind& kind, int value, int unit);
std::string clashText(const GridKind& kind, int cell, int value, int other);

// Fills technique, where, text ("<headline>: <reason>, so <result>") and summary (the text when
// it is short enough, else "<headline>, so <result>" with the result cut short, a chain's two
// ends after the headline when one of them must hold, or the cells of its loop) and orders the
// eliminations. The result part is made from the eliminations and placements.
void finishStep(const GridKind& kind, Step& step, Technique technique, std::string where,
                const std::string& reason);
// "<opening>, so <result>." within the summary's length where the result can be cut short enough.
std::string clippedSummary(const GridKind& kind, const Step& step, const std::string& opening);

}  // namespace quorvel::logic
