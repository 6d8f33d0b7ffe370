// The scripted session's message boxes: a button answers by its caption, a caption the box does
// not show answers nothing, Escape takes the box's last button. Scripts start with fresh settings
// and without the resolution question, so none of them meets these boxes.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "application/grid/dialog_exchange.h"
#include "application/grid/message_dialog.h"
#include "application/session/open_dialog.h"
#include "application/session/script_host.h"
#include "model/program_state.h"

namespace quorvel::testing {
namespace {

struct ActingServer : DialogServer {
    std::function<void(OpenDialog&)> act;
    void serve(OpenDialog& dialog) override { act(dialog); }
};

TEST(ScriptHostTest, MessageBoxesAnswerByCaptionAndEscapeTakesTheLastButton) {
    struct Case {
        bool question;
        std::string caption;  // "" presses Escape
        bool pressed, closed, yes;
    };
    const Case cases[] = {{true, "Yes", true, true, true},     {true, "No", true, true, false},
                          {true, "", false, true, false},      {true, "OK", false, false, false},
                          {false, "Yes", false, false, false}, {false, "OK", true, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        ActingServer server;
        server.act = [&](OpenDialog& box) {
            EXPECT_EQ(box.title() + "|" + box.prompt(), "Title|Text");
            if (c.caption.empty()) {
                box.key(KeyEvent{key::kEscape, 0, "\x1b"});
            } else {
                EXPECT_EQ(box.press(c.caption), c.pressed);
            }
            EXPECT_EQ(box.closed(), c.closed);
        };
        ScriptHost host(server);
        if (c.question) {
            EXPECT_EQ(askYesNo(host, "Title", "Text"), c.yes);
        } else {
            showNotice(host, "Title", "Text");
        }
    }
}

// A driver choosing answers reads the buttons an input dialog shows: the levels only where a
// level is chosen, Cancel only where it is offered.
TEST(ScriptHostTest, InputDialogsListTheButtonsTheyShow) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"Get a puzzle.", {"OK", "Cancel", "1.  Easy", "2.  Medium", "3.  Hard", "4.  Very Hard"}},
        {"Invalid Data.", {"OK"}},
        {"Delete puzzle?", {"OK", "Cancel"}}};
    for (const auto& c : cases) {
        ActingServer server;
        server.act = [&c](OpenDialog& dialog) {
            EXPECT_EQ(dialog.buttons(), c.second) << c.first;
            EXPECT_TRUE(dialog.press("OK"));
        };
        ScriptHost host(server);
        ProgramState session;
        DialogExchange(host, session).ask(c.first, "prompt", "");
    }
}

}  // namespace
}  // namespace quorvel::testing
