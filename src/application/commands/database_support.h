#pragma once
// Pieces the Database commands share: their message texts, the load of the active window's
// database with the failure shown to the user, and the cell lists of the current puzzle.

#include <optional>
#include <string>
#include <string_view>

#include "application/grid/dialog_titles.h"
#include "storage/cell_lists.h"
#include "storage/file_error.h"
#include "storage/puzzle_database.h"

namespace quorvel {

class GridWindow;
class MainWindow;
struct ProgramState;

inline constexpr std::string_view kGetPuzzlePrompt = "Puzzle Number?";
inline constexpr std::string_view kDeleteTitle = "Delete puzzle.";
inline constexpr std::string_view kAlreadyCompleteText = "The puzzle is already complete";
inline constexpr std::string_view kPredefinedText =
    "This puzzle is pre-defined and cannot be deleted.";
inline constexpr std::string_view kIncompletePuzzleCaption = "Incomplete Puzzle";
inline constexpr std::string_view kNoStoredSolutionText =
    "There is no stored solution for this grid.";
// Shown titled "Invalid Data." when the puzzle to load cannot be read or belongs to the other
// grid kind.
inline constexpr std::string_view kUnreadablePuzzleText = "This puzzle's record cannot be read.";

// "Easy Puzzle : Number - " ... "Very Hard Puzzle : Number - " for levels 1..4 (others as 1).
std::string_view deletePromptLead(int level);

// Writes the message line in red, centred (a file that could not be read or written).
void tellFileError(MainWindow& mainWindow, const FileError& error);

// "Easy", "Medium", "Hard" or "Very Hard" for levels 1..4 (others as 1).
std::string_view levelName(int level);
// What a database write did, on the message line: `what` and the record, e.g. what "Stored"
// gives "Stored: Easy No. 41".
void tellWritten(MainWindow& mainWindow, std::string_view what, int level, int number);
void tellWritten(MainWindow& mainWindow, const std::string& text);

// The database of the window's grid kind; nullopt (after telling the user) when the file exists
// but cannot be read.
std::optional<Database> loadWindowDatabase(MainWindow& mainWindow, const GridWindow& window);

// The cell lists of the current puzzle for the window's grid kind. An empty cell text gives
// empty lists (nothing to place); a text that does not fit the window gives nullopt.
std::optional<CellLists> currentPuzzleLists(const ProgramState& session, const GridWindow& window);

// A record's cell text for the grid as it stands: the locked cells are the givens, every cell
// gives its text to the values (what Save Incomplete Puzzle stores).
std::string cellTextOf(const GridWindow& window);

// Puts every non-empty entry of `entries` into its cell with setCellValue.
void placeEntries(GridWindow& window, const std::vector<std::string>& entries);

}  // namespace quorvel
