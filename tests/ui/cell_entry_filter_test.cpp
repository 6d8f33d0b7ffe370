// The keystroke filter on its own: what the text becomes, where the caret goes and which
// message a refusal gives.

#include <gtest/gtest.h>

#include "ui/grid/key_filter.h"

namespace quorvel {
namespace {

TEST(KeyFilter, AcceptsRefusesAndPlacesTheCaret) {
    struct Case {
        const char* name;
        const char* text;
        int selStart;
        int selLength;
        const char* typed;
        int maxDigits;
        bool accepted;
        const char* after;
        int caret;
        std::string_view message;
    };
    const Case cases[] = {
        {"letter into empty", "", 0, 0, "x", 2, false, "", 0, kMsgNotNumeric},
        {"point after a digit", "1", 1, 0, ".", 2, false, "1", 1, kMsgOnlyInteger},
        {"sign", "", 0, 0, "-", 2, false, "", 0, kMsgNotNumeric},
        {"insert before", "2", 0, 0, "1", 2, true, "12", 1, ""},
        {"caret past the end", "1", 5, 0, "3", 2, true, "13", 2, ""},
        {"non-ASCII letter", "", 0, 0, "\xc3\xa9", 2, false, "", 0, kMsgNotNumeric},
        {"backspace", "12", 2, 0, "\b", 2, true, "1", 1, ""},
        {"backspace at start", "12", 0, 0, "\b", 2, true, "12", 0, ""},
        {"backspace over selection", "12", 0, 2, "\b", 2, true, "", 0, ""},
        {"no digits allowed: anything goes", "", 0, 0, "q", 0, true, "q", 1, ""},
    };
    for (const auto& c : cases) {
        TextBox box{c.text, c.selStart, c.selLength};
        const KeyVerdict verdict = keyAllowed(box, c.typed, {c.maxDigits, 3}, ".");
        EXPECT_EQ(verdict.accepted, c.accepted) << c.name;
        EXPECT_EQ(box.text, c.after) << c.name;
        EXPECT_EQ(box.selStart, c.caret) << c.name;
        EXPECT_EQ(box.selLength, 0) << c.name;
        EXPECT_EQ(verdict.message, c.message) << c.name;
    }
}

TEST(KeyFilter, TheLocaleSeparatorDecidesTheMessage) {
    TextBox comma{"", 0, 0};
    EXPECT_EQ(keyAllowed(comma, ",", {2, 3}, ",").message, kMsgOnlyInteger);
    TextBox point{"", 0, 0};
    EXPECT_EQ(keyAllowed(point, ".", {2, 3}, ",").message, kMsgNotNumeric);
}

}  // namespace
}  // namespace quorvel
