#pragma once
// The Puzzle Grid menu's puzzle text files: Create Text File writes the puzzle of the grid window
// the main window shows; Import Text File and Import Batch (the same import) append every record
// of a chosen file to the database of its grid size with fresh numbers and show the first one.
// Both ask for the file with the common file dialog, opened in the "txt Files" folder of the
// program folder (created when missing). The records themselves are storage's text records.

#include <filesystem>
#include <string_view>

#include "application/commands/grid_setup.h"  // ActiveGridWindow

namespace quorvel {

class DialogExchange;
class MainWindow;

inline constexpr std::string_view kTextFilesFolder = "txt Files";
inline constexpr std::string_view kTextFileFilter = "Text Files (*.txt);;All files (*)";
inline constexpr std::string_view kOpenTextFileTitle = "Get Text File";
inline constexpr std::string_view kSaveTextFileTitle = "Save Text File";

// The folder the dialogs open in; created when missing (a failure leaves the dialog to start
// wherever the platform chooses).
std::filesystem::path textFilesFolder(const std::filesystem::path& programFolder);

// Create Text File on the active grid window. A chosen name without an extension gets ".txt".
// Cancelling the dialog writes nothing; a failed write is named in red on the message line.
void runCreateTextFile(MainWindow& mainWindow, DialogExchange& dialogs, GridWindow& window);

// Import Text File / Import Batch. A file whose records cannot be used, or that was imported
// before, is refused with the message titled "Invalid Data." and nothing is written; a file with no
// record ends quietly. After an import the grid of the records' size shows the first record
// with its givens locked and red. Returns true when records were added.
bool runImportTextFile(MainWindow& mainWindow, DialogExchange& dialogs,
                       const ActiveGridWindow& activeGrid);

// Registers Create Text File, Import Text File and Import Batch in the main window's table.
void registerTextFileCommands(MainWindow& mainWindow, DialogExchange& dialogs,
                              const ActiveGridWindow& activeGrid);

}  // namespace quorvel
