#pragma once
// The program as the visual aids see it: the window commands' fixture with the aids at hand, a
// way to type a value and move on, and the prompts of the dialogs it answered.

#include <string>
#include <vector>

#include "application/grid/marking_aids.h"
#include "ui/database_fixture.h"

namespace quorvel::testing {

inline constexpr const char* kNinePuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

class AidsTest : public WindowCommandsTest {
  protected:
    VisualAids& aids() { return app->aids(); }
    const CellView& cell(int number) { return active().board().cell(number); }
    // Types `value` into `number` and moves on, which commits it.
    void enter(int number, const std::string& value) {
        active().requestFocus(number);
        host.tick += 100;
        active().cellKey(number, {0, 0, value});
        active().requestFocus(number == 1 ? 2 : 1);
    }
    void answerOk() { noted(true); }
    void answerCancel() { noted(false); }
    void noted(bool ok) {
        answer([this, ok](InputDialog& dialog) {
            prompts.push_back(dialog.prompt());
            ok ? dialog.okClicked() : dialog.cancelClicked();
        });
    }

    std::vector<std::string> prompts;  // of every dialog answered by answerOk or answerCancel
};

}  // namespace quorvel::testing
