#pragma once
// Grade and Save from a grid window: the composed or generated puzzle becomes a Kind 5 record,
// and the composer's unfinished work becomes the effort text kept in the settings file.

#include <string>
#include <vector>

#include "model/program_state.h"
#include "storage/file_error.h"
#include "storage/puzzle_database.h"

namespace quorvel {

struct GradeCell {
    std::string text;     // what the cell shows ("" when empty)
    bool marked = false;  // has the marked background of a composed or generated pattern
};

// givens # values: marked cells give their text to the givens, every cell to the values.
std::string buildGradedCellText(const std::vector<GradeCell>& cells);
// givens # values # pattern, the pattern holding "L" for each marked cell.
std::string buildEffortText(const std::vector<GradeCell>& cells);

// Stores `cellText` with session.gradeLevel as a Kind 5 record: it replaces the record with the
// same givens (keeping its number) or is appended under a new number (a database without a free
// number is reported full and left unwritten). On success the record is the current puzzle and
// lastPuzzleNumber is one above the highest number before the save.
FileStatus saveGradedPuzzle(ProgramState& session, Database& database, const std::string& cellText);

}  // namespace quorvel
