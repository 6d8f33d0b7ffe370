#pragma once
// Chooses a session's next line at random from what the program shows now, as a restless user
// would: a menu item or toolbar button that can be chosen, a cell click, typed values (valid, out
// of range, letters), keys, dialog answers (any button, any number typed) and file dialogs
// answered with a good file, a malformed one, a missing one or Cancel. After `steps` lines it
// only closes what is open; a modal window it cannot close in a few tries stays open, which the
// session reports.

#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace quorvel {

class OpenDialog;
class ScriptSession;

class RandomActions {
  public:
    RandomActions(std::uint64_t seed, int steps) : random_(seed), stepsLeft_(steps) {}

    std::optional<std::string> next(ScriptSession& session);

  private:
    std::string mainWindowLine(ScriptSession& session);
    std::optional<std::string> menuItemLine(ScriptSession& session);
    std::string dialogLine(OpenDialog& dialog);
    std::optional<std::string> closingLine(OpenDialog& dialog);
    std::string fileAnswer(bool save);
    std::string typedValue(int side);
    int below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T>
    const T& any(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

    std::mt19937_64 random_;
    int stepsLeft_;
    int closingTries_ = 0;
    std::deque<std::string> queued_;
    std::string openedMenu_;  // the top-level menu opened by the last line, to choose from now
    std::vector<std::string> written_;  // files the session has been told to save
};

}  // namespace quorvel
