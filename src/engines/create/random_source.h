#pragma once
// The random numbers of puzzle generation: uniform draws in [0, 1). The program seeds the source
// from the clock; tests and the tool give a seed, so one seed always makes the same puzzle.

#include <cstddef>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace quorvel {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A number r with 0 <= r < 1.
    virtual double uniform() = 0;
};

// A 64-bit Mersenne Twister turned into doubles with 53 random bits, the same on every platform.
class SeededRandom : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    double uniform() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

  private:
    std::mt19937_64 engine_;
};

// A whole number r with 0 <= r < count, from one draw.
inline std::size_t drawBelow(RandomSource& random, std::size_t count) {
    return static_cast<std::size_t>(random.uniform() * static_cast<double>(count));
}

// Puts `items` in random order (Fisher-Yates from the back): one draw for each item but the first.
template <typename Item>
void shuffle(std::vector<Item>& items, RandomSource& random) {
    for (std::size_t last = items.size(); last > 1; --last)
        std::swap(items[last - 1], items[drawBelow(random, last)]);
}

}  // namespace quorvel
