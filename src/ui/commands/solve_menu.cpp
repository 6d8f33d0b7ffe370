#include "ui/commands/solve_menu.h"

#include <utility>

#include "solver/solve_commands.h"
#include "ui/grid/grid_window.h"
#include "ui/shell/mdi1.h"

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

void registerSolveMenuCommands(MDI1& mainWindow, ActiveGridWindow activeGrid) {
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
        mainWindow.commands().setAction(entry.first, [activeGrid, item] {
            if (GridWindow* window = activeGrid ? activeGrid() : nullptr)
                RunSolveMenuItem(*window, item);
        });
    }
}

}  // namespace quorvel
