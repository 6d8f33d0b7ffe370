#pragma once
// The main window's toolbar `CBn` as data: label buttons 0..21 and 30..33 with caption, font,
// colours, tool tip and state. Colours are 0x00BBGGRR.

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

// The glyph buttons name symbol-font code points; the view draws equivalent symbols.
enum class ButtonFont { Arial, ArialNarrow, Wingdings2, Wingdings3 };

namespace colour {
inline constexpr std::uint32_t kButtonGrey = 0xE0E0E0;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kChosenYellow = 0xC0FFFF;
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kRed = 0x0000FF;
inline constexpr std::uint32_t kBlue = 0xFF0000;
inline constexpr std::uint32_t kNumberBlue = 0xC00000;
inline constexpr std::uint32_t kPurple = 0x800080;
inline constexpr std::uint32_t kGreen = 0x008000;
inline constexpr std::uint32_t kMagenta = 0xFF00FF;
inline constexpr std::uint32_t kOrange = 0x0040C0;
inline constexpr std::uint32_t kTeal = 0x808000;
}  // namespace colour

struct ToolButton {
    int index = 0;
    std::string caption;
    ButtonFont font = ButtonFont::Arial;
    std::uint32_t foreColour = colour::kBlack;
    std::uint32_t backColour = colour::kButtonGrey;
    std::string toolTip;
    bool visible = true;
    bool enabled = true;
    // True during the 150 ms press flash: raised look, grey back, green text.
    bool flashing = false;
};

class Toolbar {
  public:
    static constexpr std::uint32_t kFlashBack = colour::kButtonGrey;
    static constexpr std::uint32_t kFlashFore = colour::kGreen;
    static constexpr int kFlashMs = 150;

    Toolbar();

    static bool exists(int index) {
        return (index >= 0 && index <= 21) || (index >= 30 && index <= 33);
    }

    // Throws std::out_of_range for an index that is not a button.
    const ToolButton& at(int index) const;
    ToolButton& at(int index);
    const std::vector<ToolButton>& all() const { return buttons_; }
    std::vector<ToolButton>& all() { return buttons_; }

  private:
    std::vector<ToolButton> buttons_;
};

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
