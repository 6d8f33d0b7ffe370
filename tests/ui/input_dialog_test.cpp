// The input dialog: modes chosen by title, level choice with counting and wrap, the answer box's
// key rules, OK and Cancel, run through ask and the scripted host.

#include <gtest/gtest.h>

#include "application/grid/dialog_exchange.h"
#include "application/grid/input_dialog.h"
#include "model/program_state.h"
#include "support/fake_host.h"
#include "support/fake_main_window.h"

namespace quorvel {
namespace {

using testing::FakeHost;
using testing::FakeMainWindow;

class InputDialogTest : public ::testing::Test {
  protected:
    InputDialogTest() {
        InputDialogServices services;
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
    void ask(const std::string& title, std::function<void(InputDialog&)> script,
             const std::string& text = "") {
        host.dialogScripts.push_back([this, script](InputDialog& dialog) {
            opened = Snapshot(dialog);
            script(dialog);
            stillOpen = !dialog.closed();
            if (stillOpen) after = Snapshot(dialog);
            dialog.cancelClicked();
        });
        exchange.ask(title, "prompt", text);
    }

    struct Snapshot {
        Snapshot() = default;
        explicit Snapshot(const InputDialog& d)
            : mode(d.mode()),
              prompt(d.prompt()),
              answerBox(d.answerBox().text),
              answerVisible(d.answerVisible()),
              levels(d.levelLabelsVisible()),
              marker(d.markerLevel()),
              cancel(d.cancelVisible()),
              okCentred(d.okCentred()),
              enlarged(d.promptEnlarged()),
              wholeTextSelected(d.answerBox().wholeTextSelected()) {}
        InputMode mode{};
        std::string prompt;
        std::string answerBox;
        bool answerVisible = false, levels = false;
        int marker = 0;
        bool cancel = false, okCentred = false, enlarged = false, wholeTextSelected = false;
    };

    ProgramState session;
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

TEST_F(InputDialogTest, TitleSelectsTheControls) {
    struct Case {
        const char* title;
        InputMode mode;
        bool answerBox, levels, cancel, okCentred, enlarged;
    };
    const Case cases[] = {
        {"Get a puzzle.", InputMode::PuzzleNumber, true, true, true, false, false},
        {"Grade and Save.", InputMode::LevelChoice, false, true, true, false, false},
        {"My Su Doku.", InputMode::ExposedCells, true, false, true, false, false},
        {"Delete puzzle.", InputMode::Question, false, false, true, false, true},
        {"Invalid Data.", InputMode::Message, false, false, false, true, true},
        {"Out of Range.", InputMode::Message, false, false, false, true, true},
    };
    for (const auto& c : cases) {
        ask(c.title, [](InputDialog&) {});
        EXPECT_EQ(opened.mode, c.mode) << c.title;
        EXPECT_EQ(opened.answerVisible, c.answerBox) << c.title;
        EXPECT_EQ(opened.levels, c.levels) << c.title;
        EXPECT_EQ(opened.cancel, c.cancel) << c.title;
        EXPECT_EQ(opened.okCentred, c.okCentred) << c.title;
        EXPECT_EQ(opened.enlarged, c.enlarged) << c.title;
    }
}

TEST_F(InputDialogTest, PuzzleNumberCountsTheLevelAndSelectsTheAnswer) {
    session.currentLevel = 2;
    ask(
        "Get a puzzle.", [](InputDialog&) {}, "5");
    EXPECT_EQ(opened.prompt, "Puzzle Number?   (1 ~ 7)");
    EXPECT_EQ(opened.marker, 2);
    EXPECT_EQ(opened.answerBox, "5");
    EXPECT_TRUE(opened.wholeTextSelected);
    EXPECT_EQ(countedLevels, std::vector<int>{2});
    EXPECT_EQ(mainWindow.levelPresses, 1);  // the level went through the level button
    EXPECT_EQ(session.currentLevel, 2);
}

TEST_F(InputDialogTest, ArrowKeysWrapTheLevelInBothLevelModes) {
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
        ask(c.title, [&](InputDialog& dialog) {
            for (int i = 0; i < c.presses; ++i)
                dialog.key({c.keyCode, 0, ""});
            dialog.okClicked();
        });
        EXPECT_EQ(grading ? session.gradeLevel : session.currentLevel, c.expected)
            << c.title << " from " << c.start;
        EXPECT_FALSE(exchange.dialogCancelled);
    }
}

TEST_F(InputDialogTest, LevelClickMovesMarkerAndPrompt) {
    ask("Get a puzzle.", [](InputDialog& dialog) {
        dialog.levelLabelClicked(4);
        EXPECT_EQ(dialog.markerLevel(), 4);
        EXPECT_EQ(dialog.prompt(), "Puzzle Number?   (1 ~ 3)");
        dialog.levelLabelClicked(0);  // counts as level 1
        EXPECT_EQ(dialog.markerLevel(), 1);
        EXPECT_EQ(dialog.prompt(), "Puzzle Number?   (1 ~ 12)");
    });
    EXPECT_EQ(session.currentLevel, 1);
}

TEST_F(InputDialogTest, ArrowsAndLevelClicksDoNothingOutsideTheLevelModes) {
    session.currentLevel = 2;
    ask("My Su Doku.", [](InputDialog& dialog) {
        dialog.key({key::kDown, 0, ""});
        dialog.levelLabelClicked(3);
        dialog.okClicked();
    });
    EXPECT_EQ(session.currentLevel, 2);
    EXPECT_TRUE(countedLevels.empty());
}

TEST_F(InputDialogTest, ExposedCellsAreKeptBetweenTwentyAndThirty) {
    const std::pair<const char*, int> cases[] = {
        {"5", 20}, {"45", 30}, {"", 20}, {"25", 25}, {"20", 20}, {"30", 30}, {"99999999999", 30}};
    for (const auto& [typed, exposed] : cases) {
        ask("My Su Doku.", [typed](InputDialog& dialog) {
            for (char c : std::string(typed))
                dialog.key({0, 0, std::string(1, c)});
            dialog.key({key::kEnter, 0, "\r"});
        });
        EXPECT_EQ(exchange.exposedCells, exposed) << typed;
    }
}

TEST_F(InputDialogTest, AnswerBoxTakesDigitsOnly) {
    ask("Get a puzzle.", [](InputDialog& dialog) {
        for (const char* typed : {"1", "a", ",", ".", "-", "2", " ", "\b", "4"}) {
            dialog.key({0, 0, typed});
        }
        EXPECT_EQ(dialog.answerBox().text, "14");
        dialog.key({key::kEnter, 0, "\r"});
    });
    EXPECT_EQ(exchange.dialogText, "14");
    ASSERT_EQ(picks.size(), 1u);
    EXPECT_EQ(picks[0], std::make_pair(1, 14));
    EXPECT_EQ(settingsWrites, 1);
    EXPECT_FALSE(stillOpen);
}

TEST_F(InputDialogTest, SideKeysMoveTheFocusToOk) {
    for (int code : {key::kLeft, key::kRight, 41, 45}) {
        ask("My Su Doku.", [code](InputDialog& dialog) {
            EXPECT_EQ(dialog.focus(), InputDialog::Focus::Answer);
            dialog.key({code, 0, ""});
            EXPECT_EQ(dialog.focus(), InputDialog::Focus::Ok);
            dialog.key({0, 0, "7"});  // the answer box no longer has the focus
            EXPECT_EQ(dialog.answerBox().text, "");
        });
    }
}

TEST_F(InputDialogTest, EmptyLevelKeepsTheDialogOpenWithTheRememberedCount) {
    session.currentLevel = 1;
    ask("Get a puzzle.", [](InputDialog& dialog) {
        dialog.levelLabelClicked(3);  // level 3 is empty
        dialog.okClicked();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(session.puzzleCount, "12");
    EXPECT_EQ(settingsWrites, 0);
}

TEST_F(InputDialogTest, CancelAnswersNoAndTheNextDialogStartsAfresh) {
    std::string prompt;
    host.dialogScripts.push_back([](InputDialog& dialog) { dialog.cancelClicked(); });
    exchange.ask("Delete puzzle.", "Delete?", "");
    EXPECT_TRUE(exchange.dialogCancelled);
    EXPECT_EQ(settingsWrites, 0);
    host.dialogScripts.push_back([&prompt](InputDialog& dialog) {
        prompt = dialog.prompt();
        dialog.okClicked();
    });
    exchange.ask("Quorvel", "Sure?", "");
    EXPECT_FALSE(exchange.dialogCancelled);
    EXPECT_EQ(settingsWrites, 1);
    EXPECT_EQ(prompt, "Sure?");
    EXPECT_EQ(host.dialogTitles, (std::vector<std::string>{"Delete puzzle.", "Quorvel"}));
}

TEST_F(InputDialogTest, ADialogLeftOpenByTheHostCountsAsCancelled) {
    host.dialogScripts.push_back([](InputDialog&) {});
    exchange.ask("Experimental Run", "Start?", "");
    EXPECT_TRUE(exchange.dialogCancelled);
}

}  // namespace
}  // namespace quorvel
