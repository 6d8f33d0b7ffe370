#pragma once
// Set Puzzle > Practise a Technique...: the techniques grouped by family, as the tool's
// `techniques` groups them. Choosing a family lists its techniques; OK takes the one shown.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "application/grid/dialog.h"
#include "engines/logic/technique.h"

namespace quorvel {

inline constexpr std::string_view kPractiseTitle = "Practise a Technique";

class PractiseDialog : public Dialog {
  public:
    // Shows `shown` (the technique practised last) chosen; the first technique without one.
    explicit PractiseDialog(std::optional<logic::Technique> shown = std::nullopt);

    DialogForm form() const override;
    void press(int field) override;
    void choose(int field, int option) override;
    void key(const KeyEvent& event) override;
    void dismiss() override { closed_ = true; }
    bool closed() const override { return closed_; }

    // The technique chosen with OK; nothing when the dialog was cancelled.
    std::optional<logic::Technique> outcome() const { return outcome_; }

  private:
    struct Family {
        std::string name;  // "Single-value pattern"
        std::vector<logic::Technique> techniques;
    };
    const Family& family() const { return families_[static_cast<std::size_t>(family_)]; }

    std::vector<Family> families_;  // in the order their first technique comes
    int family_ = 0;
    int technique_ = 0;
    std::optional<logic::Technique> outcome_;
    bool closed_ = false;
};

}  // namespace quorvel
