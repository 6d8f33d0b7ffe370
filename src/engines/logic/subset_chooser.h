#pragma once
// Choosing k items whose bit masks (candidates, places) make at most so many bits together: the
// search behind naked and hidden subsets, fish, Unique Rectangle type 3 and WXYZ-Wing.

#include <array>
#include <bit>
#include <span>

namespace quorvel::logic {

// What to do after a choice is shown: add more items to it, leave it as it is, or stop choosing.
enum class Chosen { Grow, Enough, Stop };

inline constexpr int kMostChosen = 8;

// Calls visit(chosen, combined) for each choice of up to `most` (at most kMostChosen) items,
// indexes into `masks` ascending, whose masks with `start` combine to at most `widest` bits;
// depth first: a choice, then the choices growing from it, then the next. False when visit said
// Stop.
template <typename Visit>
bool chooseSubsets(std::span<const unsigned> masks, int most, int widest, unsigned start,
                   const Visit& visit) {
    std::array<int, kMostChosen> chosen{};
    const auto grow = [&](const auto& self, int depth, std::size_t from,
                          unsigned combined) -> bool {
        for (std::size_t i = from; i < masks.size(); ++i) {
            const unsigned next = combined | masks[i];
            if (std::popcount(next) > widest) continue;
            chosen[depth] = static_cast<int>(i);
            const Chosen then = visit(std::span<const int>(chosen.data(), depth + 1), next);
            if (then == Chosen::Stop) return false;
            if (then == Chosen::Grow && depth + 1 < most && !self(self, depth + 1, i + 1, next))
                return false;
        }
        return true;
    };
    return grow(grow, 0, 0, start);
}

// The usual case: every choice of exactly `size` items; visit returns false to stop.
template <typename Visit>
bool chooseSubsetsOf(std::span<const unsigned> masks, int size, int widest, const Visit& visit) {
    return chooseSubsets(masks, size, widest, 0u,
                         [&](std::span<const int> chosen, unsigned combined) {
                             if (static_cast<int>(chosen.size()) < size) return Chosen::Grow;
                             return visit(chosen, combined) ? Chosen::Enough : Chosen::Stop;
                         });
}

}  // namespace quorvel::logic
