#include "engines/create/known_puzzles.h"

#include <string>
#include <unordered_set>

#include "model/canonical_form.h"

namespace quorvel {

namespace {

std::string formText(std::span<const int> form) {
    std::string text;
    for (const int value : form)
        text += value == 0 ? '.' : static_cast<char>('0' + value);
    return text;
}

}  // namespace

bool isKnownPuzzle(const GridKind& kind, std::span<const int> values) {
    static const std::unordered_set<std::string_view> known(knownPuzzleLines().begin(),
                                                            knownPuzzleLines().end());
    if (!kind.isNine() || values.size() != static_cast<std::size_t>(kind.cellCount())) return false;
    return known.contains(formText(canonicalForm(values)));
}

}  // namespace quorvel
