#pragma once
// The main window's toolbar as data: one row per label button, in the order the toolbar shows
// them, each carrying what a click runs, with caption, font, colours, tool tip and state.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "application/shell/command.h"
#include "model/colour.h"

namespace quorvel {

// The glyph buttons name symbol-font code points; the view draws equivalent symbols.
enum class ButtonFont { Arial, ArialNarrow, Wingdings2, Wingdings3 };

struct ToolButton {
    // What a left click runs (after the press flash), unless the button is a number button.
    Target target;
    // The number a number button chooses for entry by click (0: numbers by key press only);
    // -1 for the other buttons.
    int number = -1;
    // What a right click runs; nothing for most buttons.
    std::optional<Command> rightClick;
    // An experimental-run button: yellow while chosen, grey again when its step changes nothing.
    bool experiment = false;
    // Shown in the create layout too (the other buttons are hidden there).
    bool keptInCreateLayout = false;
    int widthTwips = 330;
    std::string caption;
    ButtonFont font = ButtonFont::Arial;
    Colour foreColour = colour::kBlack;
    Colour backColour = kButtonFace;
    std::string toolTip;
    bool visible = true;
    bool enabled = true;
    // True during the 150 ms press flash: raised look, grey back, green text.
    bool flashing = false;
};

class Toolbar {
  public:
    static constexpr int kFlashMs = 150;

    Toolbar();

    // The button carrying `target`, and the button choosing `number` (0..15); both throw
    // std::out_of_range when there is none.
    const ToolButton& at(const Target& target) const;
    ToolButton& at(const Target& target);
    const ToolButton& number(int number) const;
    ToolButton& number(int number);
    // `button` itself when it is one of this toolbar's rows; nullptr for any other.
    ToolButton* own(const ToolButton& button);
    const std::vector<ToolButton>& all() const { return buttons_; }
    std::vector<ToolButton>& all() { return buttons_; }

  private:
    std::vector<ToolButton> buttons_;
};

// The colouring palette's button: narrow, in the colour it gives cells (button face for none).
inline constexpr int kPaletteButtonTwips = 150;
inline constexpr std::string_view kPaletteTip =
    " Colouring pen (click: next colour, right click: off) ";

// The level button's caption and tool tip for levels 1..4.
struct LevelLook {
    const char* caption;
    const char* toolTip;
};
inline constexpr LevelLook kLevelLooks[4] = {{"u", " Easy (Next Puzzle) "},
                                             {"v", " Medium (Next Puzzle) "},
                                             {"w", " Hard (Next Puzzle) "},
                                             {"x", " Very Hard (Next Puzzle) "}};

}  // namespace quorvel
