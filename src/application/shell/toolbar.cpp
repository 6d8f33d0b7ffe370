#include "application/shell/toolbar.h"

#include <stdexcept>

namespace quorvel {

namespace {

// The buttons left to right; hidden buttons leave no gap. The widths let all 28 buttons of the
// 15x15 layout, a pixel's gap after each, fit the 600-pixel window with a few pixels to spare.
//
// Adding a button: add its row here where it shows, carrying a `Command` (or a `WindowAction`)
// whose handler is registered once in the part that carries it out; a command that is also on a
// menu then runs the same from both, and `MainWindow::setCommandEnabled` reaches both.
std::vector<ToolButton> designButtons() {
    using F = ButtonFont;
    using C = Command;
    using W = WindowAction;
    std::vector<ToolButton> buttons;
    auto add = [&](Target target, std::string caption, ButtonFont font, Colour fore,
                   std::string toolTip, int widthTwips = 330) -> auto& {
        ToolButton& button = buttons.emplace_back();
        button.target = target;
        button.caption = std::move(caption);
        button.font = font;
        button.foreColour = fore;
        button.toolTip = std::move(toolTip);
        button.widthTwips = widthTwips;
        return button;
    };
    auto kept = [](ToolButton & button) -> auto& {
        button.keptInCreateLayout = true;
        return button;
    };
    auto experiment = [&](ToolButton & button) -> auto& {
        button.experiment = true;
        return kept(button);
    };

    kept(add(W::ChooseNineGrid, "3x 3", F::ArialNarrow, colour::kBlack, " Nine x Nine ", 450));
    kept(add(W::ChooseFifteenGrid, "3x 5", F::ArialNarrow, colour::kBlack, " Fifteen x Fifteen",
             450));
    add({}, "-", F::Arial, colour::kBlack, " Enter numbers by key press only ", 270).number = 0;
    for (int number = 1; number <= 15; ++number) {
        ToolButton& button = add({}, std::to_string(number), F::Arial, colour::kDarkBlue, "",
                                 number <= 9 ? 270 : 300);
        button.number = number;
        button.visible = number <= 9;
    }
    experiment(add(C::StartExperiment, "15", F::Wingdings3, colour::kPurple,
                   " Start an experimental run "))
        .enabled = false;
    experiment(add(C::RejectExperiment, "*", F::Wingdings3, colour::kRed,
                   " Reject the experimental run "));
    experiment(add(C::ConfirmExperiment, "9", F::Wingdings3, colour::kGreen,
                   " Confirm the experimental run "));
    add(C::GetNext, "7", F::Wingdings3, colour::kMagenta,
        " Get Next - This may or may not take some time to solve. ")
        .enabled = false;
    add(C::CheckForSingle, "G", F::Wingdings3, colour::kTeal, " Check For Single ");
    kept(add(W::StepLevel, "u", F::Wingdings2, colour::kOrange, " Easy ")).rightClick =
        C::GetPuzzle;
    add(W::NotesMode, "$", F::Wingdings2, colour::kDarkBlue, " Notes Mode ", 300);
    add(C::Undo, "N", F::Wingdings3, colour::kBlack, " Undo");
    add(C::Redo, "O", F::Wingdings3, colour::kBlack, " Redo");
    // The colouring palette, narrow to fit the 15x15 layout: it steps through the four colours
    // a click gives a cell, showing the one chosen.
    add(C::NextColouringPen, "", F::Arial, colour::kBlack, std::string(kPaletteTip),
        kPaletteButtonTwips)
        .rightClick = C::PutColouringPenDown;
    return buttons;
}

}  // namespace

// The buttons are made once; every toolbar starts from a copy.
Toolbar::Toolbar()
    : buttons_([] {
          static const std::vector<ToolButton> design = designButtons();
          return design;
      }()) {}

const ToolButton& Toolbar::at(const Target& target) const {
    for (const ToolButton& button : buttons_) {
        if (button.target == target && !std::holds_alternative<std::monostate>(target))
            return button;
    }
    throw std::out_of_range("no toolbar button carries this command");
}

ToolButton& Toolbar::at(const Target& target) {
    return const_cast<ToolButton&>(static_cast<const Toolbar*>(this)->at(target));
}

const ToolButton& Toolbar::number(int number) const {
    for (const ToolButton& button : buttons_) {
        if (button.number == number && number >= 0) return button;
    }
    throw std::out_of_range("no such number button");
}

ToolButton& Toolbar::number(int number) {
    return const_cast<ToolButton&>(static_cast<const Toolbar*>(this)->number(number));
}

ToolButton* Toolbar::own(const ToolButton& button) {
    for (ToolButton& row : buttons_) {
        if (&row == &button) return &row;
    }
    return nullptr;
}

}  // namespace quorvel
