#include "ui/commands/solve_menu.h"

#include <string>
#include <utility>
#include <vector>

#include "solver/solve_commands.h"
#include "ui/grid/grid_window.h"
#include "ui/shell/main_window.h"

namespace quorvel {

void RunSolveMenuItem(GridWindow& window, SolveMenuItem item) {
    Board& board = window.board();
    switch (item) {
        case SolveMenuItem::CheckForSingle:
            checkForSingleCommand(board);
            break;
        case SolveMenuItem::GetNext:
            getNextCommand(board);
            break;
        case SolveMenuItem::MildAttack:
            solveCommand(board, kMildAttack);
            break;
        case SolveMenuItem::BruteForce:
            solveCommand(board, kBruteForce);
            break;
        case SolveMenuItem::NumberCrunch:
            solveCommand(board, kNumberCrunch);
            break;
    }
}

namespace {

std::vector<std::string> CellTexts(const GridWindow& window) {
    std::vector<std::string> texts;
    for (int cell = 1; cell <= window.board().cellCount(); ++cell)
        texts.push_back(window.board().cell(cell).text);
    return texts;
}

}  // namespace

void registerSolveMenuCommands(MainWindow& mainWindow, ActiveGridWindow activeGrid) {
    static constexpr std::pair<Command, SolveMenuItem> kItems[] = {
        {Command::CheckForSingle, SolveMenuItem::CheckForSingle},
        {Command::GetNext, SolveMenuItem::GetNext},
        {Command::MildAttack, SolveMenuItem::MildAttack},
        {Command::BruteForce, SolveMenuItem::BruteForce},
        {Command::NumberCrunch, SolveMenuItem::NumberCrunch},
    };
    // Not a structured binding: clang before 16 cannot capture one, and the fuzz build uses clang.
    for (const auto& entry : kItems) {
        const SolveMenuItem item = entry.second;
        mainWindow.commands().setAction(entry.first, [&mainWindow, activeGrid, item] {
            GridWindow* window = activeGrid ? activeGrid() : nullptr;
            if (window == nullptr) return;
            // A cell that Get Next or Check For Single fills is one step of the state history,
            // so Undo takes back exactly that step and Redo brings it back.
            const bool oneStep =
                item == SolveMenuItem::GetNext || item == SolveMenuItem::CheckForSingle;
            const std::vector<std::string> before =
                oneStep ? CellTexts(*window) : std::vector<std::string>{};
            RunSolveMenuItem(*window, item);
            if (oneStep && CellTexts(*window) != before) mainWindow.recordHistory(*window);
        });
    }
}

}  // namespace quorvel
