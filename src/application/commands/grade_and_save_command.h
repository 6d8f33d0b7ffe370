#pragma once
// `gradeAndSave`, the grid windows' Grade and Save. With session.incompleteMode off it stores
// the complete grid as a kind 5 record of the window's puzzle database, the cells with the marked
// background of a composed or generated pattern as its givens; with incompleteMode on it keeps
// the unfinished composition as the effort text of the settings file. A file that cannot be
// read or written is named in red on the message line and nothing else changes.

namespace quorvel {

class DialogExchange;
class GridWindow;
class MainWindow;

// `ask` true (the composer) asks for the grade first with the "Grade and Save." dialog; false
// (the generator) stores with the session's grade level already set. Returns true when the record
// or the effort text was written.
bool gradeAndSave(GridWindow& window, MainWindow& mainWindow, DialogExchange& dialogs, bool ask);

}  // namespace quorvel
