#pragma once
// The process-wide exchange state of the input dialog and `ask`, which shows the dialog
// modally through the Host and leaves the answer here.

#include <functional>
#include <string>

namespace quorvel {

class Host;
class MainWindowLink;
struct ProgramState;

enum class PickOutcome {
    Picked,      // the puzzle became the current puzzle
    NoRecord,    // no record matched the number (for example an empty answer)
    LevelEmpty,  // the level holds no puzzle at all
};

// What the dialog needs from the puzzle databases and the settings file. The main window wires
// these; an unset function means the service is not there (no puzzles, nothing written).
struct InputDialogServices {
    // Scans the database of the active grid kind for `level`: sets the ProgramState's active size
    // code and puzzle count and returns the count.
    std::function<int(int level)> countLevel;
    // Find by ordinal in the database of the active grid kind: makes puzzle `ordinal` of `level`
    // the current puzzle (an ordinal past the level's puzzles takes the last of them) and leaves
    // the ordinal reached in `dialogText`.
    std::function<PickOutcome(int level, int ordinal)> pickPuzzle;
    // Writes the settings file.
    std::function<void()> writeSettings;
};

class DialogExchange {
  public:
    DialogExchange(Host& host, ProgramState& session);

    // The main window (for the level button) and the services; may be called again to rewire.
    void connect(MainWindowLink* link, InputDialogServices wired);

    // Shows the dialog titled `title` (the title is its mode) and returns once it has closed.
    // The answer is in `dialogCancelled` and, by mode, `dialogText`, the current or the grade
    // level (both in the ProgramState) or `exposedCells`.
    void ask(const std::string& title, const std::string& prompt, const std::string& text);
    // Opens `url` in the browser; when no browser takes it, says so and names the address.
    void openWebAddress(const std::string& url);

    std::string dialogTitle;
    std::string dialogPrompt;
    std::string dialogText;
    bool dialogCancelled = false;
    bool dialogPicked = false;  // the puzzle-number mode's OK made a record the current puzzle
    bool importAll = false;     // the puzzle choice was answered by Import All
    int exposedCells = 0;       // the composing mode's answer, 20..30

    Host& host;
    ProgramState& session;
    MainWindowLink* mainWindow = nullptr;
    InputDialogServices services;
};

}  // namespace quorvel
