#include <gtest/gtest.h>

#include "application/commands/solve_commands.h"
#include "support/solve_fixtures.h"

namespace quorvel {
namespace {

using namespace testing;

enum class Ends { Solved, Singles, Propagated, Unchanged };

struct ModeCase {
    const char* name;
    std::string line;
    SolveMode mode;
    bool result;
    const char* message;  // nullptr: "Required" form of the reason
    Ends grid;
};

const char* const kRequired = nullptr;

TEST(Engine, EachModeOutcomeAndMessage) {
    const ModeCase cases[] = {
        {"mild, singles suffice", kEasy, SolveMode::MildAttack, true, "D  o  n  e   !",
         Ends::Solved},
        {"brute, singles suffice", kEasy, SolveMode::BruteForce, true, "D  o  n  e   !",
         Ends::Solved},
        {"crunch, no nested guess", kEasy, SolveMode::NumberCrunch, true, "", Ends::Solved},
        {"mild, needs a guess", kOneGuess, SolveMode::MildAttack, false,
         "Solution Incomplete - Try Brute Force.", Ends::Singles},
        {"brute, first guess right", kOneGuess, SolveMode::BruteForce, true, "D  o  n  e   !",
         Ends::Solved},
        {"crunch solves", kOneGuess, SolveMode::NumberCrunch, true, kRequired, Ends::Solved},
        {"brute, beyond it", kCrunchFails, SolveMode::BruteForce, false,
         "Solution Incomplete - Try Number Crunch.", Ends::Propagated},
        {"crunch, beyond it", kCrunchFails, SolveMode::NumberCrunch, false,
         "Sorry! Quorvel is not able to find a solution.", Ends::Propagated},
        {"crunch, empty grid", std::string(81, '.'), SolveMode::NumberCrunch, false,
         "Sorry! Quorvel is not able to find a solution.", Ends::Unchanged},
        {"crunch, empty 15x15", std::string(225, '.'), SolveMode::NumberCrunch, false,
         "Sorry! Quorvel is not able to find a solution.", Ends::Unchanged},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestGrid grid(c.line);
        const Puzzle puzzle = TestGrid::parsed(c.line);
        const SolveOutcome outcome = solveCommand(*grid.board, grid.events, c.mode);
        EXPECT_EQ(outcome.result, c.result);
        if (c.message != kRequired) {
            EXPECT_EQ(grid.events.messageText(), c.message);
        } else {
            ASSERT_EQ(outcome.reason.rfind("Reason : ", 0), 0u);
            EXPECT_EQ(grid.events.messageText(), "Required" + outcome.reason.substr(6));
        }
        EXPECT_EQ(grid.events.messageColour(), colour::kBlue);
        switch (c.grid) {
            case Ends::Solved:
                EXPECT_TRUE(isValidSolution(puzzle.kind, grid.shown()));
                EXPECT_EQ(countSolutions(puzzle.kind, puzzle.values), 1);
                EXPECT_EQ(grid.shown(), solutionOf(c.line));
                EXPECT_TRUE(grid.board->statusImageVisible(0));
                EXPECT_EQ(grid.events.focusedCell(), 1);
                break;
            case Ends::Singles:
            case Ends::Propagated:
                // What the singles reach: the grid after the propagation, before any guess.
                EXPECT_EQ(grid.shown(), applySingles(puzzle.kind, puzzle.values));
                EXPECT_EQ(grid.layer(1), grid.shown());
                EXPECT_TRUE(grid.board->statusImageVisible(1));
                break;
            case Ends::Unchanged:
                EXPECT_EQ(grid.shown(), puzzle.values);
                EXPECT_EQ(outcome.guesses, 0);
                break;
        }
        EXPECT_FALSE(grid.session.solverBusy);
        EXPECT_FALSE(grid.session.fillBusy);
        EXPECT_FALSE(grid.events.workingHard());
        EXPECT_FALSE(grid.events.drawingFrozen());
        EXPECT_EQ(grid.events.elapsedTimerRunning(), !c.result);
    }
}

TEST(Engine, GuessReasonTextsCountNestedPlacements) {
    EXPECT_EQ(guessReasonText(1), "Reason : 1 Guess");
    EXPECT_EQ(guessReasonText(5), "Reason : 5 Levels of Guessing");
    EXPECT_EQ(guessAttemptText(12), "Current Attempt : 12 Levels of Guessing");
    TestGrid grid(kOneGuess);
    EXPECT_EQ(solveCommand(*grid.board, grid.events, SolveMode::BruteForce).reason,
              "Reason : 1 Guess");
}

TEST(Engine, GuessOrderFollowsTheSortedListOnBothSizes) {
    // Rows 1-12 emptied: count parts from "11" down, so two-digit parts sort before "2"-"9".
    std::vector<int> fifteen = fullFifteen();
    for (int cell = 1; cell <= 180; ++cell)
        fifteen[cell - 1] = 0;
    for (const std::string& line : {kCrunchFails, formatPuzzleLine(kFifteenGrid, fifteen)}) {
        TestGrid grid(line);
        solveCommand(*grid.board, grid.events, SolveMode::MildAttack);
        Board& board = *grid.board;
        int entries = 0;
        for (int entry = 1; !board.tables().guessEntry(entry, 0).empty(); ++entry) {
            ++entries;
            const int cell = std::stoi(board.tables().guessEntry(entry, 1));
            const std::string candidates = board.tables().guessEntry(entry, 2);
            const auto commas = std::count(candidates.begin(), candidates.end(), ',');
            EXPECT_EQ(board.tables().guessEntry(entry, 0), std::to_string(commas));
            EXPECT_EQ(candidates, board.tables().notes(3, board.kind().rowOf(cell),
                                                       board.kind().columnOf(cell)));
            if (entry == 1) continue;
            // Count part, then cell number, each compared as text.
            const std::pair<std::string, std::string> previous{
                board.tables().guessEntry(entry - 1, 0), board.tables().guessEntry(entry - 1, 1)};
            const std::pair<std::string, std::string> current{board.tables().guessEntry(entry, 0),
                                                              board.tables().guessEntry(entry, 1)};
            EXPECT_LT(previous, current) << "entry " << entry;
        }
        EXPECT_GT(entries, 1);
        if (board.kind() == kFifteenGrid) {
            EXPECT_EQ(board.tables().guessEntry(1, 0).size(), 2u);
        }
    }
}

TEST(Engine, FifteenGridSolvesBySinglesAndByGuessing) {
    std::vector<int> few = fullFifteen();
    for (const int cell : {1, 17, 113, 200, 225})
        few[cell - 1] = 0;
    TestGrid mild(formatPuzzleLine(kFifteenGrid, few));
    EXPECT_TRUE(solveCommand(*mild.board, mild.events, SolveMode::MildAttack).result);
    EXPECT_EQ(mild.shown(), fullFifteen());
    EXPECT_EQ(mild.events.messageText(), "D  o  n  e   !");

    // From the generated 15x15 benchmark set: needs nested guesses.
    const std::string guessing =
        ".D...F9.13.......3.D....A.64..6.A3E..7.9......19A2..CE8BF75..B.....62.D7C.E.5.6.B..9F....."
        ".9..A2.......452A7F3..D....B..B.........5.E.3...4..6.8...1C..7.BF31.4..9....41..8E.....A.."
        "9CED..B3...8.1.8...C.D.7..5.BF.F.1.5.86.7A..C";
    TestGrid crunch(guessing);
    const SolveOutcome outcome =
        solveCommand(*crunch.board, crunch.events, SolveMode::NumberCrunch);
    EXPECT_TRUE(outcome.result);
    EXPECT_GT(outcome.guesses, 0);
    EXPECT_TRUE(isValidSolution(kFifteenGrid, crunch.shown()));
    const std::vector<int> givens = TestGrid::parsed(guessing).values;
    for (int cell = 1; cell <= 225; ++cell) {
        if (givens[cell - 1] != 0) {
            EXPECT_EQ(crunch.shown()[cell - 1], givens[cell - 1]);
        }
    }
    EXPECT_EQ(crunch.events.messageText(), "Required" + outcome.reason.substr(6));
}

TEST(Engine, GetNextWithNothingFoundSaysSorryAndKeepsTablesWithTheCells) {
    TestGrid grid(kNextFindsNothing);
    const std::vector<int> before = grid.shown();
    const GetNextOutcome outcome = getNextCommand(*grid.board, grid.events);
    EXPECT_FALSE(outcome.solve.result);
    EXPECT_EQ(outcome.cell, 0);
    EXPECT_GT(outcome.solve.guesses, 0);
    EXPECT_EQ(grid.events.messageText(), "Sorry! Quorvel is not able to find a solution.");
    EXPECT_EQ(grid.shown(), before);
    EXPECT_EQ(grid.layer(1), before);
    EXPECT_TRUE(grid.events.getNextEnabled());
    EXPECT_EQ(grid.events.frameColour(), 33023u);
}

TEST(Engine, GetNextShowsTheWinningFirstLevelGuessOnly) {
    TestGrid grid(kNextFirstLevelGuess);
    const std::vector<int> before = grid.shown();
    const std::vector<int> solution = solutionOf(kNextFirstLevelGuess);
    const GetNextOutcome outcome = getNextCommand(*grid.board, grid.events);
    EXPECT_TRUE(outcome.solve.result);
    EXPECT_EQ(outcome.solve.guesses, 0);
    ASSERT_NE(outcome.cell, 0);
    EXPECT_EQ(outcome.value, solution[outcome.cell - 1]);
    std::vector<int> expected = before;
    expected[outcome.cell - 1] = outcome.value;
    EXPECT_EQ(grid.shown(), expected);
    EXPECT_EQ(grid.layer(1), expected);
    EXPECT_EQ(grid.events.messageText(), "");
    EXPECT_EQ(grid.events.flashedCells(), std::vector<int>{outcome.cell});
    EXPECT_EQ(outcome.solve.guessCell, outcome.cell);
    EXPECT_EQ(outcome.solve.guessValue, outcome.value);
}

TEST(Engine, BusyEngineRefusesAndChangesNothing) {
    TestGrid grid(kEasy);
    grid.session.solverBusy = true;
    EXPECT_FALSE(solveCommand(*grid.board, grid.events, SolveMode::NumberCrunch).ran);
    const GetNextOutcome next = getNextCommand(*grid.board, grid.events);
    EXPECT_FALSE(next.solve.ran);
    EXPECT_EQ(grid.shown(), TestGrid::parsed(kEasy).values);
    EXPECT_EQ(checkForSingleCommand(*grid.board, grid.events), 0);
    grid.session.solverBusy = false;
    grid.session.loadBusy = true;
    EXPECT_FALSE(solveCommand(*grid.board, grid.events, SolveMode::MildAttack).ran);
    EXPECT_EQ(grid.shown(), TestGrid::parsed(kEasy).values);
}

TEST(Engine, StopEndsTheRunAndTheCommandSaysEntriesMayBeInvalid) {
    for (const SolveMode mode : {SolveMode::BruteForce, SolveMode::NumberCrunch}) {
        SCOPED_TRACE(static_cast<int>(mode));
        ProgramState session;
        struct Stopper : RecordingEvents {
            using RecordingEvents::RecordingEvents;
            ProgramState* target = nullptr;
            void guessProgress(long count) override {
                RecordingEvents::guessProgress(count);
                target->stopRequested = true;  // Stop chosen during the first nested guess
            }
        } events(session);
        events.target = &session;
        Board board(kNineGrid, session, events);
        loadGivens(board, TestGrid::parsed(kCrunchFails).values);
        const SolveOutcome outcome = solveCommand(board, events, mode);
        EXPECT_FALSE(outcome.result);
        EXPECT_EQ(outcome.guesses, 1);
        EXPECT_EQ(events.messageText(), "Interrupted! Entries may be invalid");
        EXPECT_EQ(events.messageColour(), colour::kRed);
        EXPECT_FALSE(session.stopRequested);
        EXPECT_FALSE(session.solverBusy);
    }
}

}  // namespace
}  // namespace quorvel
