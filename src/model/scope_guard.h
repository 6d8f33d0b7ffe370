#pragma once
// A state the program puts on for the length of a scope (the database indicator busy, drawing
// suspended, the Working Hard indicator) and takes off again however the scope ends, an early
// return included.

#include <functional>
#include <utility>

namespace quorvel {

class [[nodiscard]] ScopeGuard {
  public:
    // `end` takes the state off; the caller has just put it on.
    explicit ScopeGuard(std::function<void()> end) : end_(std::move(end)) {}
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;
    ~ScopeGuard() { end(); }

    // Takes the state off now rather than when the scope ends; later calls do nothing.
    void end() {
        if (end_) std::exchange(end_, nullptr)();
    }

  private:
    std::function<void()> end_;
};

}  // namespace quorvel
