#include "application/grid/marking_aids.h"

#include <algorithm>
#include <string>

#include "application/grid/grid_window.h"
#include "application/grid/main_window_link.h"
#include "model/program_state.h"

namespace quorvel {

namespace {

constexpr ColourPalette kNinePalette{0,        16576,    123000,   49344,    65000,    8421376,
                                     8438015,  12583104, 12632064, 12633256, 12634319, 12640511,
                                     16762024, 16761087, 16776960, 16777152};
constexpr ColourPalette kFifteenPalette{0,        16576,    123000,   49344,    65280,    8421376,
                                        8438015,  12583104, 12632064, 12633256, 12634319, 12640511,
                                        16762024, 16761087, 16776960, 16777152};
constexpr std::string_view kNinePaletteText =
    "0,16576,123000,49344,65000,8421376,8438015,12583104,12632064,12633256,12634319,12640511,"
    "16762024,16761087,16776960,16777152";
constexpr std::string_view kFifteenPaletteText =
    "0,16576,123000,49344,65280,8421376,8438015,12583104,12632064,12633256,12634319,12640511,"
    "16762024,16761087,16776960,16777152";

void toggleMark(GridWindow& window, int cell) {
    Board& board = window.board();
    if (board.cell(cell).backColour == kMarkedBack) {
        board.setCellColours(cell, kEntryBlue, kPlainBack);
    } else {
        board.setCellColours(cell, kGivenRed, kMarkedBack);
    }
    window.notifyCellChanged(cell);
}

// A left click: an empty cell takes the chosen number (as a note in Notes Mode); a filled cell
// makes its own number the chosen one (through the toolbar, so the buttons show it).
void enterChosenNumber(GridWindow& window, MainWindowLink& mainWindow, int cell) {
    Board& board = window.board();
    const int chosen = board.session().selectedNumber;
    if (chosen < 1) return;
    if (mainWindow.notesModeOn() && window.toggleNote(cell, chosen)) return;
    const std::string chosenText = std::to_string(chosen);
    const CellView& view = board.cell(cell);
    if (view.text.empty()) {
        // A given never changes, and a number the grid cannot hold is never entered.
        if (view.locked || chosen > board.side()) return;
        board.setCellText(cell, chosenText);
        window.selectAllText(cell);
        window.removeTip(cell);
        window.notifyCellChanged(cell);
        return;
    }
    const int value = board.shownValue(cell);
    if (view.text != chosenText && value >= 1 && value <= board.side()) {
        mainWindow.pressNumberButton(value);
    }
}

}  // namespace

const ColourPalette& paletteOf(const GridKind& kind) {
    return kind.isNine() ? kNinePalette : kFifteenPalette;
}

std::string_view paletteText(const GridKind& kind) {
    return kind.isNine() ? kNinePaletteText : kFifteenPaletteText;
}

bool isPaletteColour(const GridKind& kind, Colour colour) {
    const ColourPalette& palette = paletteOf(kind);
    return std::find(palette.begin() + 1, palette.end(), colour) != palette.end();
}

void colourNumber(GridWindow& window, int cell) {
    Board& board = window.board();
    if (!board.validCell(cell)) return;
    const int value = board.shownValue(cell);
    if (value < 1 || value > board.side()) return;
    const bool colouring = !isPaletteColour(board.kind(), board.cell(cell).backColour);
    for (int other = 1; other <= board.cellCount(); ++other) {
        if (board.cell(other).text.empty() || board.shownValue(other) != value) continue;
        if (colouring) {
            board.setCellColours(other, colour::kBlack,
                                 paletteOf(board.kind())[static_cast<size_t>(value)]);
            window.notifyCellChanged(other);
        } else {
            window.restoreCellColour(other, false);
        }
    }
}

void markCellOnMouseUp(GridWindow& window, MainWindowLink& mainWindow, int cell, int button,
                       int shift) {
    if (!window.board().validCell(cell) || button != kMouseLeft) return;
    if (shift == kShiftCtrl) {
        colourNumber(window, cell);
    } else if (shift == kShiftAlt && window.board().session().createMode) {
        toggleMark(window, cell);
    } else if (shift == 0 && window.colouringPen() != 0) {
        window.colourCell(cell, window.colouringPen());
    } else {
        enterChosenNumber(window, mainWindow, cell);
    }
}

}  // namespace quorvel
