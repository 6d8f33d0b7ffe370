#include "application/commands/database_support.h"

#include "application/grid/grid_events.h"
#include "application/grid/grid_window.h"
#include "application/shell/main_window.h"
#include "model/program_state.h"
#include "storage/data_file.h"
#include "storage/grade_and_save.h"

namespace quorvel {

std::string_view deletePromptLead(int level) {
    static constexpr std::string_view kLeads[] = {
        "Easy Puzzle : Number - ", "Medium Puzzle : Number - ", "Hard Puzzle : Number - ",
        "Very Hard Puzzle : Number - "};
    return kLeads[level >= 1 && level <= 4 ? level - 1 : 0];
}

void tellFileError(MainWindow& mainWindow, const FileError& error) {
    mainWindow.showMessage(error.message(), colour::kRed, Alignment::Centre);
}

std::string_view levelName(int level) {
    static constexpr std::string_view kNames[] = {"Easy", "Medium", "Hard", "Very Hard"};
    return kNames[level >= 1 && level <= 4 ? level - 1 : 0];
}

void tellWritten(MainWindow& mainWindow, std::string_view what, int level, int number) {
    tellWritten(mainWindow, std::string(what) + ": " + std::string(levelName(level)) + " No. " +
                                std::to_string(number));
}

void tellWritten(MainWindow& mainWindow, const std::string& text) {
    mainWindow.showMessage(text, colour::kBlue, Alignment::Centre);
}

std::optional<Database> loadWindowDatabase(MainWindow& mainWindow, const GridWindow& window) {
    Result<Database> database =
        loadDatabase(databaseFolder(mainWindow.programFolder()), window.kind());
    if (!database) {
        tellFileError(mainWindow, database.error());
        return std::nullopt;
    }
    return std::move(database.value());
}

std::optional<CellLists> currentPuzzleLists(const ProgramState& session, const GridWindow& window) {
    if (session.puzzleCells.empty()) return CellLists{};
    return parseCellText(session.puzzleCells, window.kind());
}

void placeEntries(GridWindow& window, const std::vector<std::string>& entries) {
    const int cells = std::min<int>(window.board().cellCount(), static_cast<int>(entries.size()));
    for (int cell = 1; cell <= cells; ++cell) {
        if (!entries[cell - 1].empty()) window.setCellValue(cell, entries[cell - 1]);
    }
}

std::string cellTextOf(const GridWindow& window) {
    std::vector<GradeCell> cells;
    for (int cell = 1; cell <= window.board().cellCount(); ++cell) {
        const CellView& view = window.board().cell(cell);
        cells.push_back({view.text, view.locked});
    }
    return buildGradedCellText(cells);
}

}  // namespace quorvel
