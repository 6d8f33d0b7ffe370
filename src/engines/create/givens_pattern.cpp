#include "engines/create/givens_pattern.h"

#include <algorithm>
#include <array>

namespace quorvel {

int exposedCountFor(const GridKind& kind, int level) {
    static constexpr std::array<int, 4> kNine = {32, 30, 28, 26};
    static constexpr std::array<int, 4> kFifteen = {116, 114, 110, 106};
    const auto index = static_cast<std::size_t>(std::clamp(level, 1, 4) - 1);
    return kind.isNine() ? kNine[index] : kFifteen[index];
}

std::vector<int> drawGivensPattern(const GridKind& kind, int exposedCount, RandomSource& random) {
    const int cells = kind.cellCount();
    // Every pass adds a fresh pair (or the centre, counted twice), so up to cells + 1 counts
    // are reachable; clamping keeps the loop finite for any request.
    exposedCount = std::clamp(exposedCount, 0, cells);
    std::vector<bool> marked(static_cast<std::size_t>(cells) + 1, false);
    std::vector<int> order;
    int count = 0;
    while (count < exposedCount) {
        int k = 0;
        while (k == 0)
            k = static_cast<int>(random.uniform() * cells);
        if (marked[static_cast<std::size_t>(k)]) continue;
        marked[static_cast<std::size_t>(k)] = true;
        order.push_back(k);
        ++count;
        if (count < exposedCount) {
            const int mirror = cells + 1 - k;
            if (!marked[static_cast<std::size_t>(mirror)]) order.push_back(mirror);
            marked[static_cast<std::size_t>(mirror)] = true;
            ++count;
        }
    }
    return order;
}

}  // namespace quorvel
