// The scripted session's message boxes: a button answers by its caption, a caption the box does
// not show answers nothing, Escape takes the box's last button.

#include <gtest/gtest.h>

#include <functional>
#include <string>

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

}  // namespace
}  // namespace quorvel::testing
