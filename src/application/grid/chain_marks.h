#pragma once
// The chains Explain Next Step draws over a grid window while the marks of its second press are
// shown: the candidates of the cells the chains pass through or take candidates from, drawn as
// notes are; among them the chains' own candidates, ringed, and those the steps remove; and every
// link, which the view draws as a line from one node's candidates to the other's (solid for a
// strong link, dashed for a weak one). A node is one candidate or a group of cells sharing one.

#include <array>
#include <vector>

#include "model/units.h"

namespace quorvel {

struct CandidateMark {
    int cell = 0;
    int value = 0;
    bool operator==(const CandidateMark&) const = default;
};

struct LinkMark {
    std::vector<CandidateMark> from;
    std::vector<CandidateMark> to;
    bool strong = false;
    bool operator==(const LinkMark&) const = default;
};

struct ChainMarks {
    std::array<ValueMask, kMaxCells + 1> shown{};    // candidates drawn in each cell
    std::array<ValueMask, kMaxCells + 1> ringed{};   // of those, the chains' own
    std::array<ValueMask, kMaxCells + 1> removed{};  // of those, the ones the steps remove
    std::vector<LinkMark> links;                     // in the order the chains run

    bool empty() const { return links.empty(); }
    bool operator==(const ChainMarks&) const = default;
};

}  // namespace quorvel
