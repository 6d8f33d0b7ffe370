#include "application/shell/command.h"

namespace quorvel {

bool replacesGame(Command command) {
    switch (command) {
        case Command::GetPuzzle:
        case Command::GetIncompletePuzzle:
        case Command::OpenPuzzleFile:
        case Command::PastePuzzle:
        case Command::ComputerGeneratedPuzzle:
        case Command::PractiseTechnique:
        case Command::ImportTextFile:
        case Command::ImportBatch:
        case Command::BlankGrid:
        case Command::CreateOwnPuzzle:
        case Command::GetLastIncompleteEffort:
        case Command::TestScreen:
            return true;
        default:
            return false;
    }
}

}  // namespace quorvel
