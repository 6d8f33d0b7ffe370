// The shipped help text must speak of every menu item and toolbar button in the words the program
// shows, so that a user can find what a caption or tool tip means; a new or renamed command
// without help fails here.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "application/shell/menu_bar.h"
#include "application/shell/toolbar.h"

namespace quorvel {
namespace {

// Blanks and line breaks collapsed to single blanks and trimmed: the help wraps long captions
// and tool tips over two lines.
std::string normalised(const std::string& text) {
    std::string result;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (!blank) {
            result += c;
        } else if (!result.empty() && result.back() != ' ') {
            result += ' ';
        }
    }
    if (!result.empty() && result.back() == ' ') result.pop_back();
    return result;
}

std::string helpText() {
    std::ifstream in(std::string(QUORVEL_SOURCE_DIR) + "/data/sudokuhelp.txt");
    std::stringstream text;
    text << in.rdbuf();
    return normalised(text.str());
}

// The caption as the user reads it: without the "&" accelerator marks, and without the web
// address that the Get Batch File item carries after its name.
std::string readableCaption(std::string caption) {
    std::erase(caption, '&');
    if (const auto address = caption.find("http"); address != std::string::npos) {
        caption.erase(address);
    }
    return normalised(caption);
}

TEST(HelpText, NamesEveryMenuItemWithItsShortcut) {
    const std::string help = helpText();
    ASSERT_FALSE(help.empty());
    const MenuBar menus;
    ASSERT_GT(menus.all().size(), 30u);
    for (const MenuItem& item : menus.all()) {
        if (item.isSeparator()) continue;
        const std::string caption = readableCaption(item.caption);
        EXPECT_NE(help.find(caption), std::string::npos) << "menu item '" << caption << "'";
        if (item.shortcut.empty()) continue;
        // The help lists shortcuts in capitals ("CTRL+F2").
        std::string shortcut = item.shortcut;
        if (shortcut.starts_with("Ctrl")) shortcut.replace(0, 4, "CTRL");
        EXPECT_NE(help.find(shortcut), std::string::npos) << "shortcut of '" << caption << "'";
    }
}

TEST(HelpText, QuotesEveryToolbarToolTip) {
    const std::string help = helpText();
    const Toolbar toolbar;
    for (const ToolButton& button : toolbar.all()) {
        const std::string tip = normalised(button.toolTip);
        if (tip.empty()) continue;
        EXPECT_NE(help.find(tip), std::string::npos) << "tool tip " << tip;
    }
    for (const LevelLook& look : kLevelLooks) {
        EXPECT_NE(help.find(normalised(look.toolTip)), std::string::npos) << look.toolTip;
    }
}

TEST(HelpText, FitsAnOrdinaryWindow) {
    std::ifstream in(std::string(QUORVEL_SOURCE_DIR) + "/data/sudokuhelp.txt");
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        EXPECT_LE(line.size(), 78u) << "line " << number;
        for (unsigned char c : line) {
            EXPECT_TRUE(c >= 0x20 && c < 0x7f) << "line " << number << " has a byte " << int(c);
        }
    }
}

}  // namespace
}  // namespace quorvel
