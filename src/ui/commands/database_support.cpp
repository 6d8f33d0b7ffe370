#include "ui/commands/database_support.h"

#include "model/session.h"
#include "storage/data_file.h"
#include "storage/grade_and_save.h"
#include "ui/grid/grid_events.h"
#include "ui/grid/grid_window.h"
#include "ui/shell/main_window.h"

namespace quorvel {

std::string_view DeletePromptLead(int level) {
    static constexpr std::string_view kLeads[] = {
        "Easy Puzzle : Number - ", "Medium Puzzle : Number - ", "Hard Puzzle : Number - ",
        "Very Hard Puzzle : Number - "};
    return kLeads[level >= 1 && level <= 4 ? level - 1 : 0];
}

void TellFileError(MainWindow& mainWindow, const FileError& error) {
    mainWindow.showMessage(error.message(), colour::kRed, Alignment::Centre);
}

std::string_view LevelName(int level) {
    static constexpr std::string_view kNames[] = {"Easy", "Medium", "Hard", "Very Hard"};
    return kNames[level >= 1 && level <= 4 ? level - 1 : 0];
}

void TellWritten(MainWindow& mainWindow, std::string_view what, int level, int number) {
    TellWritten(mainWindow, std::string(what) + ": " + std::string(LevelName(level)) + " No. " +
                                std::to_string(number));
}

void TellWritten(MainWindow& mainWindow, const std::string& text) {
    mainWindow.showMessage(text, colour::kBlue, Alignment::Centre);
}

std::optional<Database> LoadWindowDatabase(MainWindow& mainWindow, const GridWindow& window) {
    Result<Database> database =
        LoadDatabase(databaseFolder(mainWindow.programFolder()), window.kind());
    if (!database) {
        TellFileError(mainWindow, database.error());
        return std::nullopt;
    }
    return std::move(database.value());
}

std::optional<CellLists> CurrentPuzzleLists(const Session& session, const GridWindow& window) {
    if (session.puzzleCells.empty()) return CellLists{};
    return ParseCellText(session.puzzleCells, window.kind());
}

void PlaceEntries(GridWindow& window, const std::vector<std::string>& entries) {
    const int cells = std::min<int>(window.board().cellCount(), static_cast<int>(entries.size()));
    for (int cell = 1; cell <= cells; ++cell) {
        if (!entries[cell - 1].empty()) window.setCellValue(cell, entries[cell - 1]);
    }
}

std::string CellTextOf(const GridWindow& window) {
    std::vector<GradeCell> cells;
    for (int cell = 1; cell <= window.board().cellCount(); ++cell) {
        const CellView& view = window.board().cell(cell);
        cells.push_back({view.text, view.locked});
    }
    return BuildGradedCellText(cells);
}

}  // namespace quorvel
