#pragma once
// Process-wide state shared by the windows and commands for the whole run. One instance lives in
// the application (or in a test); parts receive it by reference rather than through globals.

#include <cstdint>
#include <string>

namespace quorvel {

// The solve engine's three strengths, weakest first.
enum class SolveMode { MildAttack, BruteForce, NumberCrunch };

struct ProgramState {
    // Solve and fill guards (see the solve commands).
    bool solverBusy = false;
    bool fillBusy = false;
    bool loadBusy = false;
    bool stopRequested = false;

    // Solve engine: the strength the next run uses.
    SolveMode solveMode = SolveMode::MildAttack;

    // Composing and creating.
    bool composeMode = false;
    bool createMode = false;
    bool experimentColours = false;

    // Chosen number and levels.
    int selectedNumber = 1;
    int colouringPen = 0;    // the toolbar palette's colour 1..4 for cell clicks, 0 for none
    int currentLevel = 1;    // 1..4, persisted
    int gradeLevel = 1;      // 1..4, persisted
    int activeSizeCode = 3;  // 3 or 5: the kind opened last

    // The puzzle on screen, as last loaded or stored: 0 and "" while the grid shows no stored
    // puzzle (after Blank Grid, a typed puzzle, an import, a switch of grid kind ...).
    int puzzleNumber = 0;
    int previousPuzzleNumber = 0;
    int puzzleKind = 0;
    int puzzleLevel = 0;
    std::string puzzleCells;
    // The stored record puzzleNumber names: its grid kind (3 or 5) and its Kind as stored.
    // puzzleKind becomes 8 on Save Incomplete Puzzle while the record keeps its own.
    int puzzleSizeCode = 0;
    int puzzleRecordKind = 0;
    std::string puzzleCount;
    int lastPuzzleNumber = 0;
    bool incompleteMode = false;

    // Elapsed time, in days (date/time fractions).
    double elapsedShown = 0;
    double bankedElapsed = 0;
    double timerStart = 0;
};

}  // namespace quorvel
