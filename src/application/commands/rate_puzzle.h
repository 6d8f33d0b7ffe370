#pragma once
// The computed difficulty in the windows: Assist Solve > Rate Puzzle says it on the message line,
// Check Puzzle adds it to "Unique solution.", and Grade and Save shows it in its question and
// starts its level choice at its level.

#include <string>
#include <vector>

#include "application/grid/board.h"
#include "engines/logic/puzzle_rating.h"
#include "model/program_state.h"

namespace quorvel {

// Rates the givens: "Rated Hard (6.6): hardest step X-Chain", or why it cannot; the rating path
// also tries the optional techniques turned on.
void ratePuzzleCommand(Board& board, const logic::OptionalTechniques& turnedOn);

// Check Puzzle (application/commands/exact_commands.h), and when the givens have exactly one
// solution the message line says "Unique solution. Rated ...". Returns the cells where two
// solutions differ.
std::vector<int> checkAndRatePuzzleCommand(Board& board);

// Grade and Save's question for givens with this rating: when they have exactly one solution
// and leave cells open it starts with their rating ("Rated Hard (6.6): hardest step X-Chain.
// Grade the puzzle?   "), and the level choice (session.gradeLevel) starts at its level.
std::string gradeQuestion(ProgramState& session, const logic::PuzzleRating& rating);

// The computed level (1..4) of these givens when they have exactly one solution; 0 otherwise.
int computedLevel(const GridKind& kind, const std::vector<int>& givens);

}  // namespace quorvel
