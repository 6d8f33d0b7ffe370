// The input dialog: modes chosen by title, level choice with counting and wrap, the answer box's
// key rules, OK and Cancel, run through AskUser and the scripted host.

#include <gtest/gtest.h>

#include "model/session.h"
#include "support/fake_host.h"
#include "support/fake_main_window.h"
#include "ui/grid/dialog_exchange.h"
#include "ui/grid/dlg_msg.h"

namespace quorvel {
namespace {

using testing::FakeHost;
using testing::FakeMainWindow;

class DlgMsgTest : public ::testing::Test {
  protected:
    DlgMsgTest() {
        DlgMsgServices services;
        services.countLevel = [this](int level) {
            countedLevels.push_back(level);
            return countsByLevel[level];
        };
        services.pickPuzzle = [this](int level, int ordinal) {
            picks.emplace_back(level, ordinal);
            if (countsByLevel[level] == 0) return PickOutcome::LevelEmpty;
            return ordinal > 0 ? PickOutcome::Picked : PickOutcome::NoRecord;
        };
        services.writeSettings = [this] { ++settingsWrites; };
        exchange.connect(&mainWindow, services);
    }

    // Opens a dialog with `title` and runs `script` on it; returns what the view saw on opening.
    void ask(const std::string& title, std::function<void(DlgMsg&)> script,
             const std::string& text = "") {
        host.dialogScripts.push_back([this, script](DlgMsg& dialog) {
            opened = Snapshot(dialog);
            script(dialog);
            stillOpen = !dialog.closed();
            if (stillOpen) after = Snapshot(dialog);
            dialog.CancelButton_Click();
        });
        exchange.AskUser(title, "prompt", text);
    }

    struct Snapshot {
        Snapshot() = default;
        explicit Snapshot(const DlgMsg& d)
            : mode(d.mode()),
              prompt(d.prompt()),
              text1(d.text1().text),
              text1Visible(d.text1Visible()),
              levels(d.levelLabelsVisible()),
              marker(d.markerLevel()),
              cancel(d.cancelVisible()),
              okCentred(d.okCentred()),
              enlarged(d.promptEnlarged()),
              wholeTextSelected(d.text1().wholeTextSelected()) {}
        DlgMode mode{};
        std::string prompt;
        std::string text1;
        bool text1Visible = false, levels = false;
        int marker = 0;
        bool cancel = false, okCentred = false, enlarged = false, wholeTextSelected = false;
    };

    Session session;
    FakeHost host;
    FakeMainWindow mainWindow{session};
    DialogExchange exchange{host, session};
    int countsByLevel[5] = {0, 12, 7, 0, 3};
    std::vector<int> countedLevels;
    std::vector<std::pair<int, int>> picks;
    int settingsWrites = 0;
    Snapshot opened;
    Snapshot after;
    bool stillOpen = false;
};

TEST_F(DlgMsgTest, TitleSelectsTheControls) {
    struct Case {
        const char* title;
        DlgMode mode;
        bool text1, levels, cancel, okCentred, enlarged;
    };
    const Case cases[] = {
        {"Get a puzzle.", DlgMode::PuzzleNumber, true, true, true, false, false},
        {"Grade and Save.", DlgMode::LevelChoice, false, true, true, false, false},
        {"My Su Doku.", DlgMode::ExposedCells, true, false, true, false, false},
        {"Delete puzzle.", DlgMode::Question, false, false, true, false, true},
        {"Invalid Data.", DlgMode::Message, false, false, false, true, true},
        {"Out of Range.", DlgMode::Message, false, false, false, true, true},
    };
    for (const auto& c : cases) {
        ask(c.title, [](DlgMsg&) {});
        EXPECT_EQ(opened.mode, c.mode) << c.title;
        EXPECT_EQ(opened.text1Visible, c.text1) << c.title;
        EXPECT_EQ(opened.levels, c.levels) << c.title;
        EXPECT_EQ(opened.cancel, c.cancel) << c.title;
        EXPECT_EQ(opened.okCentred, c.okCentred) << c.title;
        EXPECT_EQ(opened.enlarged, c.enlarged) << c.title;
    }
}

TEST_F(DlgMsgTest, PuzzleNumberCountsTheLevelAndSelectsTheAnswer) {
    session.currentLevel = 2;
    ask(
        "Get a puzzle.", [](DlgMsg&) {}, "5");
    EXPECT_EQ(opened.prompt, "Puzzle Number?   (1 ~ 7)");
    EXPECT_EQ(opened.marker, 2);
    EXPECT_EQ(opened.text1, "5");
    EXPECT_TRUE(opened.wholeTextSelected);
    EXPECT_EQ(countedLevels, std::vector<int>{2});
    ASSERT_EQ(mainWindow.presses.size(), 1u);  // the level went through the level button
    EXPECT_EQ(mainWindow.presses[0].index, 20);
    EXPECT_EQ(session.currentLevel, 2);
}

TEST_F(DlgMsgTest, ArrowKeysWrapTheLevelInBothLevelModes) {
    struct Case {
        const char* title;
        int start;
        int keyCode;
        int presses;
        int expected;
    };
    const Case cases[] = {
        {"Get a puzzle.", 1, key::kUp, 1, 4},     {"Get a puzzle.", 4, key::kDown, 1, 1},
        {"Get a puzzle.", 2, key::kDown, 2, 4},   {"Get a puzzle.", 2, key::kUp, 4, 2},
        {"Grade and Save.", 1, key::kUp, 1, 4},   {"Grade and Save.", 4, key::kDown, 1, 1},
        {"Grade and Save.", 0, key::kDown, 1, 2},  // an unset grade starts at 1
    };
    for (const auto& c : cases) {
        const bool grading = std::string(c.title) == "Grade and Save.";
        (grading ? session.gradeLevel : session.currentLevel) = c.start;
        ask(c.title, [&](DlgMsg& dialog) {
            for (int i = 0; i < c.presses; ++i)
                dialog.Key({c.keyCode, 0, ""});
            dialog.OKButton_Click();
        });
        EXPECT_EQ(grading ? session.gradeLevel : session.currentLevel, c.expected)
            << c.title << " from " << c.start;
        EXPECT_FALSE(exchange.DlgCancelled);
    }
}

TEST_F(DlgMsgTest, LevelClickMovesMarkerAndPrompt) {
    ask("Get a puzzle.", [](DlgMsg& dialog) {
        dialog.Label2_Click(4);
        EXPECT_EQ(dialog.markerLevel(), 4);
        EXPECT_EQ(dialog.prompt(), "Puzzle Number?   (1 ~ 3)");
        dialog.Label2_Click(0);  // counts as level 1
        EXPECT_EQ(dialog.markerLevel(), 1);
        EXPECT_EQ(dialog.prompt(), "Puzzle Number?   (1 ~ 12)");
    });
    EXPECT_EQ(session.currentLevel, 1);
}

TEST_F(DlgMsgTest, ArrowsAndLevelClicksDoNothingOutsideTheLevelModes) {
    session.currentLevel = 2;
    ask("My Su Doku.", [](DlgMsg& dialog) {
        dialog.Key({key::kDown, 0, ""});
        dialog.Label2_Click(3);
        dialog.OKButton_Click();
    });
    EXPECT_EQ(session.currentLevel, 2);
    EXPECT_TRUE(countedLevels.empty());
}

TEST_F(DlgMsgTest, ExposedCellsAreKeptBetweenTwentyAndThirty) {
    const std::pair<const char*, int> cases[] = {
        {"5", 20}, {"45", 30}, {"", 20}, {"25", 25}, {"20", 20}, {"30", 30}, {"99999999999", 30}};
    for (const auto& [typed, exposed] : cases) {
        ask("My Su Doku.", [typed](DlgMsg& dialog) {
            for (char c : std::string(typed))
                dialog.Key({0, 0, std::string(1, c)});
            dialog.Key({key::kEnter, 0, "\r"});
        });
        EXPECT_EQ(exchange.ExposedCells, exposed) << typed;
    }
}

TEST_F(DlgMsgTest, AnswerBoxTakesDigitsOnly) {
    ask("Get a puzzle.", [](DlgMsg& dialog) {
        for (const char* typed : {"1", "a", ",", ".", "-", "2", " ", "\b", "4"}) {
            dialog.Key({0, 0, typed});
        }
        EXPECT_EQ(dialog.text1().text, "14");
        dialog.Key({key::kEnter, 0, "\r"});
    });
    EXPECT_EQ(exchange.DlgText, "14");
    ASSERT_EQ(picks.size(), 1u);
    EXPECT_EQ(picks[0], std::make_pair(1, 14));
    EXPECT_EQ(settingsWrites, 1);
    EXPECT_FALSE(stillOpen);
}

TEST_F(DlgMsgTest, SideKeysMoveTheFocusToOk) {
    for (int code : {key::kLeft, key::kRight, 41, 45}) {
        ask("My Su Doku.", [code](DlgMsg& dialog) {
            EXPECT_EQ(dialog.focus(), DlgMsg::Focus::Text1);
            dialog.Key({code, 0, ""});
            EXPECT_EQ(dialog.focus(), DlgMsg::Focus::OKButton);
            dialog.Key({0, 0, "7"});  // the answer box no longer has the focus
            EXPECT_EQ(dialog.text1().text, "");
        });
    }
}

TEST_F(DlgMsgTest, EmptyLevelKeepsTheDialogOpenWithTheRememberedCount) {
    session.currentLevel = 1;
    ask("Get a puzzle.", [](DlgMsg& dialog) {
        dialog.Label2_Click(3);  // level 3 is empty
        dialog.OKButton_Click();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(session.puzzleCount, "12");
    EXPECT_EQ(settingsWrites, 0);
}

TEST_F(DlgMsgTest, CancelAnswersNoAndTheNextDialogStartsAfresh) {
    std::string prompt;
    host.dialogScripts.push_back([](DlgMsg& dialog) { dialog.CancelButton_Click(); });
    exchange.AskUser("Delete puzzle.", "Delete?", "");
    EXPECT_TRUE(exchange.DlgCancelled);
    EXPECT_EQ(settingsWrites, 0);
    host.dialogScripts.push_back([&prompt](DlgMsg& dialog) {
        prompt = dialog.prompt();
        dialog.OKButton_Click();
    });
    exchange.AskUser("Quorvel", "Sure?", "");
    EXPECT_FALSE(exchange.DlgCancelled);
    EXPECT_EQ(settingsWrites, 1);
    EXPECT_EQ(prompt, "Sure?");
    EXPECT_EQ(host.dialogTitles, (std::vector<std::string>{"Delete puzzle.", "Quorvel"}));
}

TEST_F(DlgMsgTest, ADialogLeftOpenByTheHostCountsAsCancelled) {
    host.dialogScripts.push_back([](DlgMsg&) {});
    exchange.AskUser("Experimental Run", "Start?", "");
    EXPECT_TRUE(exchange.DlgCancelled);
}

}  // namespace
}  // namespace quorvel
