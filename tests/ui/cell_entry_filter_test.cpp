// The keystroke filter where no cell of the program takes it: insertion (a cell overtypes), a
// caret past the end, a field without a digit limit, and a locale that writes decimals with a
// comma. What the cells do with it is in the session script cell_typing.

#include <gtest/gtest.h>

#include "application/grid/key_filter.h"

namespace quorvel {
namespace {

TEST(KeyFilter, InsertsAtTheCaretAndFollowsTheFieldAndLocale) {
    struct Case {
        const char* text;
        int selStart;
        const char* typed;
        int maxDigits;
        const char* separator;
        bool accepted;
        const char* after;
        int caret;
        std::string_view message;
    };
    const Case cases[] = {
        {"2", 0, "1", 2, ".", true, "12", 1, ""},
        {"1", 5, "3", 2, ".", true, "13", 2, ""},
        {"", 0, "q", 0, ".", true, "q", 1, ""},
        {"", 0, ",", 2, ",", false, "", 0, kMsgOnlyInteger},
        {"", 0, ".", 2, ",", false, "", 0, kMsgNotNumeric},
    };
    for (const auto& c : cases) {
        TextBox box{c.text, c.selStart, 0};
        const KeyVerdict verdict = keyAllowed(box, c.typed, {c.maxDigits, 3}, c.separator);
        EXPECT_EQ(verdict.accepted, c.accepted) << c.text << c.typed;
        EXPECT_EQ(box.text, c.after) << c.text << c.typed;
        EXPECT_EQ(box.selStart, c.caret) << c.text << c.typed;
        EXPECT_EQ(verdict.message, c.message) << c.text << c.typed;
    }
}

}  // namespace
}  // namespace quorvel
