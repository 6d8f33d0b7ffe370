#pragma once
// The Database menu on the grid window the main window shows: Get Puzzle (F2, and the level
// button's right click), Show Solution (Stored) (F3), Store Solution in Database (Ctrl+F2),
// Save Incomplete Puzzle, Get Incomplete Puzzle, Import Collection, Delete Puzzle and Computer
// Generated Puzzle.
// The 9x9 window works with "type3.pxz", the 15x15 window with "type5.pxz"; every change goes
// through the storage routines, whose writes replace the file atomically. A failed read or write
// is shown in red on the message line, naming the file, and changes nothing else.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "application/commands/grid_setup.h"  // ActiveGridWindow
#include "engines/logic/technique.h"

namespace quorvel {

class DialogExchange;
class GridWindow;
class MainWindow;
class RandomSource;
struct PuzzleTextRead;
struct ProgramState;

inline constexpr std::string_view kImportCollectionFileTitle = "Import Collection";

class DatabaseCommands {
  public:
    DatabaseCommands(MainWindow& mainWindow, DialogExchange& dialogs, ActiveGridWindow activeGrid);

    // The random draws of Computer Generated Puzzle. Without one, each generation seeds a
    // source from the clock.
    void setRandomSource(std::shared_ptr<RandomSource> random) { random_ = std::move(random); }

    // The menu items. Each first writes the settings file and freezes drawing, and at its end
    // resumes drawing and rejects an experimental run that is still active. Get Puzzle and
    // Store Solution follow the session's incompleteMode, which the menu item sets.
    void GetPuzzle();
    void ShowStoredSolution();
    void storeSolution();
    // Asks for a puzzle file and imports every puzzle in it (see importPuzzleCollection).
    void importCollection();
    // True when it acted (the current puzzle number is then 0); false when the confirmation was
    // cancelled ("Nothing to do!") or a file could not be read or written.
    bool DeletePuzzle();
    void ComputerGeneratedPuzzle();
    // Set Puzzle > Practise a Technique...: asks for a technique, then shows a puzzle whose
    // hardest step it is (engines/create/technique_practice.h) as a generated one, at the level
    // of its rating. An optional technique is turned on first, so hints and ratings try it.
    void PractiseTechnique();

  private:
    void runCommand(const std::function<void(GridWindow&)>& body);
    void getPuzzle(GridWindow& window);
    void showStoredSolution(GridWindow& window);
    void storeSolution(GridWindow& window);
    void importCollection(GridWindow& window);
    bool deletePuzzle(GridWindow& window);
    void computerGeneratedPuzzle(GridWindow& window);
    void practiseTechnique(GridWindow& window);
    // What a generation starts with: the grid blank, the puzzle shown before ended (a stored
    // generated grid becomes the current one), and the 9x9 window's four stored grids emptied.
    void clearForGeneration(GridWindow& window);
    // The random source of one generation: the one given at registration, else one seeded from
    // the clock, held by `clockSeeded`.
    RandomSource& generationRandom(std::unique_ptr<RandomSource>& clockSeeded);

    MainWindow& mainWindow_;
    DialogExchange& dialogs_;
    ProgramState& session_;
    ActiveGridWindow activeGrid_;
    std::shared_ptr<RandomSource> random_;
    std::optional<logic::Technique> practised_;  // the technique Practise a Technique took last
};

// Stores every puzzle of `read` in the database of the window's grid kind as the user's own, with
// its solution, at its computed level (the current level when it has none); puzzles stored
// already are skipped, those of the other size or without exactly one solution refused. One
// message, titled "Import Collection.", counts them with their lines; a text that could not be
// read at all (named `source` there) writes nothing, and a database that cannot be read or
// written, or has too few free numbers, is named in red on the message line.
void importPuzzleCollection(MainWindow& mainWindow, DialogExchange& dialogs,
                            const GridWindow& window, const PuzzleTextRead& read,
                            const std::string& source);

// What the message line says while Practise a Technique searches and when it found a puzzle.
inline constexpr std::string_view kPractiseProgressLead = "Looking for a puzzle that needs ";
std::string practiseFoundText(std::string_view technique);

// Registers the eight Database commands and Practise a Technique in the main window's command
// table. The commands keep what they need; the main window, the dialog exchange and the grid
// windows must outlive them.
void registerDatabaseCommands(MainWindow& mainWindow, DialogExchange& dialogs,
                              ActiveGridWindow activeGrid,
                              std::shared_ptr<RandomSource> random = nullptr);

// Runs after every Database command: an experimental run still active is rejected through the
// main window's Reject Experiment command.
void rejectExperimentAfterDatabaseCommand(MainWindow& mainWindow, const ProgramState& session);

}  // namespace quorvel
