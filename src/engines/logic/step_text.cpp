#include "engines/logic/step_text.h"

#include <algorithm>
#include <bit>
#include <map>

namespace quorvel::logic {

std::string Step::headline() const {
    return std::string(techniqueInfo(technique).name) + " " + where;
}

std::string cellName(const GridKind& kind, int cell) {
    return "r" + std::to_string(kind.rowOf(cell)) + "c" + std::to_string(kind.columnOf(cell));
}

UnitRef unitRef(const GridKind& kind, int unit) {
    return {static_cast<UnitType>(unit / kind.side), unit % kind.side + 1};
}

std::string unitName(const GridKind& kind, int unit) {
    static const char* const kTypeNames[] = {"row ", "column ", "block "};
    const UnitRef ref = unitRef(kind, unit);
    return kTypeNames[static_cast<int>(ref.type)] + std::to_string(ref.index);
}

std::string joinWords(const std::vector<std::string>& words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) text += i + 1 == words.size() ? " and " : ", ";
        text += words[i];
    }
    return text;
}

std::string cellList(const GridKind& kind, std::span<const int> cells) {
    std::vector<std::string> names;
    for (const int cell : cells)
        names.push_back(cellName(kind, cell));
    return joinWords(names);
}

std::string valueList(std::span<const int> values) {
    std::vector<std::string> names;
    for (const int value : values)
        names.push_back(std::to_string(value));
    return joinWords(names);
}

std::vector<int> valuesOf(ValueMask mask) {
    std::vector<int> values;
    for (unsigned rest = mask; rest != 0; rest &= rest - 1)
        values.push_back(std::countr_zero(rest));
    return values;
}

std::string cellWithCandidates(const LogicGrid& grid, int cell) {
    std::string text = cellName(grid.kind(), cell) + " (";
    const std::vector<int> values = valuesOf(grid.candidates(cell));
    for (std::size_t i = 0; i < values.size(); ++i)
        text += (i > 0 ? "/" : "") + std::to_string(values[i]);
    return text + ")";
}

std::string eliminationList(const GridKind& kind, std::span<const CellValue> eliminations) {
    std::map<int, std::vector<int>> cellsByValue;
    for (const CellValue& elimination : eliminations)
        cellsByValue[elimination.value].push_back(elimination.cell);
    // Values removed from the same cells share one part: "2 and 7 from r1c2 and r1c3".
    std::vector<std::pair<std::vector<int>, std::vector<int>>> valuesByCells;
    for (const auto& [value, cells] : cellsByValue) {
        // A reference rather than the binding in the lambda: clang before 16 cannot capture one.
        const std::vector<int>& valueCells = cells;
        const auto same = std::find_if(valuesByCells.begin(), valuesByCells.end(),
                                       [&](const auto& part) { return part.first == valueCells; });
        if (same != valuesByCells.end())
            same->second.push_back(value);
        else
            valuesByCells.push_back({cells, {value}});
    }
    std::vector<std::string> parts;
    for (const auto& [cells, values] : valuesByCells)
        parts.push_back(valueList(values) + " from " + cellList(kind, cells));
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i > 0 ? "; " : "") + parts[i];
    return text;
}

std::string orList(std::string list) {
    if (const std::size_t last = list.rfind(" and "); last != std::string::npos)
        list.replace(last, 5, " or ");
    return list;
}

std::string candidateText(const GridKind& kind, CellValue candidate, bool holds) {
    return cellName(kind, candidate.cell) + (holds ? " is " : " is not ") +
           std::to_string(candidate.value);
}

std::string placesText(const GridKind& kind, int value, std::span<const int> cells) {
    return std::to_string(value) + " is in " + orList(cellList(kind, cells));
}

std::string nodeText(const GridKind& kind, std::span<const CellValue> node, bool holds) {
    if (node.empty()) return {};
    if (node.size() == 1) return candidateText(kind, node.front(), holds);
    const int value = node.front().value;
    std::vector<int> cells;
    for (const CellValue& candidate : node)
        cells.push_back(candidate.cell);
    if (holds) return placesText(kind, value, cells);
    if (node.size() == 2)
        return "neither " + cellName(kind, cells[0]) + " nor " + cellName(kind, cells[1]) + " is " +
               std::to_string(value);
    return "none of " + cellList(kind, cells) + " is " + std::to_string(value);
}

std::string peerRemovalsText(const GridKind& kind, CellValue placed,
                             std::span<const CellValue> removed) {
    std::vector<int> otherValues;
    std::vector<int> peers;
    for (const CellValue& candidate : removed)
        (candidate.cell == placed.cell ? otherValues.push_back(candidate.value)
                                       : peers.push_back(candidate.cell));
    std::vector<std::string> parts;
    if (!otherValues.empty())
        parts.push_back(cellName(kind, placed.cell) + " is not " + orList(valueList(otherValues)));
    if (!peers.empty())
        parts.push_back(cellList(kind, peers) + (peers.size() > 1 ? " are not " : " is not ") +
                        std::to_string(placed.value));
    return parts.size() == 2 ? parts[0] + "; " + parts[1] : parts.front();
}

std::string lastCandidateNote() {
    return " (its last candidate)";
}

std::string lastPlaceNote(const GridKind& kind, int value, int unit) {
    return " (the last place for " + std::to_string(value) + " in " + unitName(kind, unit) + ")";
}

std::string lastPlacesNote(const GridKind& kind, int unit) {
    return " (its last places in " + unitName(kind, unit) + ")";
}

std::string nestedNote(int value, const std::string& contradiction) {
    return " (if it were " + std::to_string(value) + ", then " + contradiction + ")";
}

std::string insideHeader(const GridKind& kind, CellValue assumption) {
    return "inside: if " + cellName(kind, assumption.cell) + " were " +
           std::to_string(assumption.value) + ":";
}

std::string emptyCellText(const GridKind& kind, int cell) {
    return cellName(kind, cell) + " has no candidate left";
}

std::string emptyUnitText(const GridKind& kind, int value, int unit) {
    return std::to_string(value) + " has no place left in " + unitName(kind, unit);
}

std::string clashText(const GridKind& kind, int cell, int value, int other) {
    return cellName(kind, cell) + " is " + std::to_string(value) +
           (other != 0 ? " and " + std::to_string(other) : " and is not " + std::to_string(value));
}

std::vector<std::string> chainLines(const GridKind& kind, std::span<const ChainLink> chain) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const ChainLink& link = chain[i];
        // A strong link concludes that its end is true, a weak one that it is false; a link goes
        // on from the one before when it starts from what that one concluded.
        const bool goesOn =
            i > 0 && link.from == chain[i - 1].to && chain[i - 1].strong == link.fromOn;
        const std::string conclusion = "so " + nodeText(kind, link.to, link.strong);
        lines.push_back(goesOn ? conclusion
                               : nodeText(kind, link.from, link.fromOn) + ", " + conclusion);
    }
    return lines;
}

namespace {

std::string placementList(const GridKind& kind, std::span<const CellValue> placements) {
    std::string text;
    for (const CellValue& placement : placements)
        text += (text.empty() ? "" : ", ") + candidateText(kind, placement, true);
    return text;
}

// What the step does, in at most `room` characters where it can: its placements, then its
// eliminations, the eliminations cut short with ", and N more" when they do not fit.
std::string resultText(const GridKind& kind, const Step& step, std::size_t room) {
    std::string result = placementList(kind, step.placements);
    if (step.eliminations.empty()) return result;
    const std::string lead = result.empty() ? "remove " : "; remove ";
    for (std::size_t shown = step.eliminations.size(); shown > 0; --shown) {
        const std::size_t rest = step.eliminations.size() - shown;
        const std::string removed =
            eliminationList(kind, std::span(step.eliminations).first(shown)) +
            (rest > 0 ? ", and " + std::to_string(rest) + " more" : "");
        if (result.size() + lead.size() + removed.size() <= room || shown == 1)
            return result + lead + removed;
    }
    return result;
}

// What a chain rests on, in a few words: a chain that starts from its first node being false and
// ends concluding its last true says that one of the two holds ("r8c9 is 5 or r9c6 is 5"); a
// chain that returns to its start is a loop through its cells, named when they are few.
constexpr std::size_t kLoopCellsNamed = 6;
std::string chainGist(const GridKind& kind, std::span<const ChainLink> chain) {
    if (chain.empty()) return {};
    if (chain.front().from == chain.back().to) {
        std::vector<int> cells;
        for (const ChainLink& link : chain)
            for (const CellValue& candidate : link.from)
                if (std::find(cells.begin(), cells.end(), candidate.cell) == cells.end())
                    cells.push_back(candidate.cell);
        return cells.size() <= kLoopCellsNamed
                   ? "a loop through " + cellList(kind, cells)
                   : "a loop through " + std::to_string(cells.size()) + " cells";
    }
    if (chain.front().fromOn || !chain.back().strong) return {};
    return nodeText(kind, chain.front().from, true) + " or " +
           nodeText(kind, chain.back().to, true);
}

}  // namespace

std::string clippedSummary(const GridKind& kind, const Step& step, const std::string& opening) {
    const std::string lead = opening + ", so ";
    const std::size_t room = kSummaryLength - std::min(kSummaryLength, lead.size() + 1);
    return lead + resultText(kind, step, room) + ".";
}

void finishStep(const GridKind& kind, Step& step, Technique technique, std::string where,
                const std::string& reason) {
    step.technique = technique;
    step.where = std::move(where);
    std::sort(step.eliminations.begin(), step.eliminations.end());
    step.eliminations.erase(std::unique(step.eliminations.begin(), step.eliminations.end()),
                            step.eliminations.end());
    step.text =
        step.headline() + ": " + reason + ", so " + resultText(kind, step, std::string::npos) + ".";
    // The gist is left out where it would leave too little room for what the step does.
    const std::string gist = chainGist(kind, step.chain);
    const std::string opening = step.headline() + (gist.empty() ? "" : ": " + gist);
    step.summary = step.text.size() <= kSummaryLength ? step.text
                   : opening.size() <= kSummaryLength / 2
                       ? clippedSummary(kind, step, opening)
                       : clippedSummary(kind, step, step.headline());
}

}  // namespace quorvel::logic
