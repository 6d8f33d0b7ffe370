// The scripted session's message boxes: a button answers by its caption, a caption the box does
// not show answers nothing, Escape takes the box's last button.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/session.h"
#include "ui/grid/dialog_exchange.h"
#include "ui/session/open_dialog.h"
#include "ui/session/script_host.h"

namespace quorvel::testing {
namespace {

struct ActingServer : DialogServer {
    std::function<void(OpenDialog&)> act;
    std::string shown;
    void serve(OpenDialog& dialog) override {
        shown = dialog.title() + "|" + dialog.prompt();
        act(dialog);
    }
};

TEST(ScriptHostTest, MessageBoxesAnswerByCaptionAndEscapeTakesTheLastButton) {
    struct Case {
        std::string caption;  // "" presses Escape
        bool closed;
        bool yes;
    };
    const Case cases[] = {
        {"Yes", true, true}, {"No", true, false}, {"", true, false}, {"OK", false, false}};
    for (const Case& c : cases) {
        ActingServer server;
        bool closed = false;
        server.act = [&](OpenDialog& box) {
            if (c.caption.empty()) {
                box.key(KeyEvent{key::kEscape, 0, "\x1b"});
            } else {
                EXPECT_EQ(box.press(c.caption), c.closed) << c.caption;
            }
            closed = box.closed();
        };
        ScriptHost host(server);
        EXPECT_EQ(host.askYesNo("Title", "Question?"), c.yes) << c.caption;
        EXPECT_EQ(closed, c.closed) << c.caption;
        EXPECT_EQ(server.shown, "Title|Question?");
    }
}

TEST(ScriptHostTest, NoticeClosesWithOk) {
    ActingServer server;
    bool closed = false;
    server.act = [&](OpenDialog& box) {
        EXPECT_FALSE(box.press("Yes"));
        EXPECT_TRUE(box.press("OK"));
        closed = box.closed();
    };
    ScriptHost host(server);
    host.showNotice("Info", "Done.");
    EXPECT_TRUE(closed);
}

// A driver choosing answers reads the buttons an input dialog shows: levels only where a level
// is chosen, Cancel only where the dialog offers it.
TEST(ScriptHostTest, InputDialogsListTheButtonsTheyShow) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"Get a puzzle.", {"OK", "Cancel", "1.  Easy", "2.  Medium", "3.  Hard", "4.  Very Hard"}},
        {"Invalid Data.", {"OK"}},
        {"Delete puzzle?", {"OK", "Cancel"}},
    };
    for (const auto& [title, buttons] : cases) {
        ActingServer server;
        std::vector<std::string> shown;
        server.act = [&](OpenDialog& dialog) {
            shown = dialog.buttons();
            dialog.press("OK");
        };
        ScriptHost host(server);
        Session session;
        DialogExchange exchange(host, session);
        exchange.ask(title, "prompt", "");
        EXPECT_EQ(shown, buttons) << title;
    }
}

}  // namespace
}  // namespace quorvel::testing
