#pragma once
// A headless grid window with a puzzle loaded, for the model, solver and tool tests.

#include <memory>
#include <string>
#include <vector>

#include "application/grid/board.h"
#include "application/grid/puzzle_board.h"
#include "model/puzzle_line.h"
#include "support/recording_events.h"

namespace quorvel::testing {

struct TestGrid {
    ProgramState session;
    RecordingEvents events{session};
    std::unique_ptr<Board> board;

    explicit TestGrid(const GridKind& kind)
        : board(std::make_unique<Board>(kind, session, events)) {}
    // A puzzle line; fails the calling test's expectations loudly if it is malformed.
    explicit TestGrid(const std::string& line) : TestGrid(parsed(line).kind) {
        loadGivens(*board, parsed(line).values);
    }

    std::vector<int> shown() const { return shownValues(*board); }
    std::string shownLine() const { return formatPuzzleLine(board->kind(), shown()); }
    std::vector<int> layer(int number) const {
        std::vector<int> values(board->cellCount());
        for (int cell = 1; cell <= board->cellCount(); ++cell)
            values[cell - 1] = board->storeValue(number, cell);
        return values;
    }

    static Puzzle parsed(const std::string& line) {
        PuzzleLineResult result = parsePuzzleLine(line);
        return result.puzzle ? *result.puzzle : Puzzle{};
    }
};

}  // namespace quorvel::testing
