#pragma once
// One deduction of the logic solver: which technique, the pattern it rests on, what it removes
// or places, and the same in plain words.

#include <string>
#include <vector>

#include "engines/logic/technique.h"
#include "model/units.h"

namespace quorvel::logic {

// A value in a cell; cells are numbered 1..N*N row-major.
struct CellValue {
    int cell = 0;
    int value = 0;
    bool operator==(const CellValue&) const = default;
    auto operator<=>(const CellValue&) const = default;
};

// A row, column or block, numbered from 1.
struct UnitRef {
    UnitType type = UnitType::Row;
    int index = 0;
    bool operator==(const UnitRef&) const = default;
};

// One link of a chain, between two nodes; a node is one candidate, or a group of cells of one
// block within one row or column that share the value. A strong link says: if `from` is false,
// `to` is true; a weak link: if `from` is true, `to` is false. A net also concludes a removal from
// other removals (through a nested net): a weak link whose `from` is false.
struct ChainLink {
    std::vector<CellValue> from;
    std::vector<CellValue> to;
    bool strong = false;
    bool fromOn = !strong;  // whether the link starts from `from` being true
    bool operator==(const ChainLink&) const = default;
};

inline constexpr std::size_t kSummaryLength = 200;

struct Step {
    Technique technique{};                // set by the finder
    std::vector<int> values;              // the values the pattern is about, ascending
    std::vector<int> cells;               // the cells that make the pattern
    std::vector<UnitRef> units;           // the units the pattern lives in (may be empty)
    std::vector<CellValue> eliminations;  // candidates removed, ordered by cell then value
    std::vector<CellValue> placements;    // values placed
    std::vector<ChainLink> chain;         // chain and forcing steps: every link, in order
    int depth = 0;      // Forcing Net: 0 through singles, 1 with simpler techniques, 2+ nested
    int nodes = 0;      // Forcing Net: the nodes its text rests on, each nested net's in full
    std::string where;  // "in block 7", "at r3c12", "on 5 in rows 2 and 6"
    std::string text;   // the whole deduction in plain words
    // The deduction in one sentence of at most kSummaryLength characters, for a person: the text
    // itself when it is that short.
    std::string summary;

    // Technique and where, as one line: "Hidden Single in block 7".
    std::string headline() const;
};

}  // namespace quorvel::logic
