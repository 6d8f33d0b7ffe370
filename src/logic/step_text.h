#pragma once
// The words the explanations are made of: cell names "r3c12", unit names "row 3", "column 12",
// "block 7", and lists joined as a person writes them ("a, b and c").

#include <span>
#include <string>
#include <vector>

#include "logic/logic_grid.h"
#include "logic/step.h"

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

// A chain node being true or false: "r3c4 is 5", "r3c4 is not 5"; a group "5 is in r1c1 or
// r1c2" and "neither r1c1 nor r1c2 is 5" ("none of r1c1, r1c2 and r1c3 is 5").
std::string nodeText(const GridKind& kind, std::span<const CellValue> node, bool holds);
// A chain in words, one line per link: "r3c4 is not 5, so r3c8 is 5"; a link that goes on from
// what the line before concluded is just "so r6c8 is not 5".
std::vector<std::string> chainLines(const GridKind& kind, std::span<const ChainLink> chain);

// Fills technique, where and text ("<summary>: <reason>, so <result>") and orders the
// eliminations. The result part is made from the eliminations and placements.
void finishStep(const GridKind& kind, Step& step, Technique technique, std::string where,
                const std::string& reason);

}  // namespace quorvel::logic
