#pragma once
// The four temporary stores of the 9x9 window: slot 0 keeps the grid as it was at the latest
// Store, slots 1..3 are the user's stores S1..S3. A slot holds the 81 cell texts, each preceded
// by "," (an empty grid is 81 commas); an empty slot is "". The slots live in the settings file,
// and a Get always reads them afresh from it. The grid's notes are kept with a slot in a notes
// file of their own, keyed to the slot and its grid.

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "application/grid/grid_layout.h"
#include "storage/note_file.h"

namespace quorvel {

class DialogExchange;
class GridWindow;
class MainWindowLink;

inline constexpr int kStoreLabelCount = 7;  // store labels 0..6
inline constexpr std::string_view kStoreTitle = "Temporary Store?";
inline constexpr std::string_view kStoreCaption = "Temp. Store";  // the caption above them

using StoreSlots = std::array<std::string, 4>;

// Where the slots are kept.
struct StoreFile {
    // The slots as the file holds them now.
    std::function<StoreSlots()> read;
    // Keeps the slots and writes the file.
    std::function<void(const StoreSlots&)> write;
    // The notes kept with the slots; and their file rewritten, keeping the entries keyed `kept`
    // and putting in `changed` (false, after telling the user, when it could not be written).
    std::function<std::vector<NoteEntry>()> readNotes;
    std::function<bool(std::span<const std::string> kept, const std::vector<NoteEntry>& changed)>
        writeNotes;
};

// Caption ("LA" above "ST" for element 0) and tool tip of store label `index`.
std::string_view storeLabelCaption(int index);
std::string_view storeLabelToolTip(int index);
// The slot element `index` works on: (index + 1) div 2.
int storeSlotOf(int index);
// The question asked before element `index` acts.
std::string storePrompt(int index);

// The grid as a slot holds it.
std::string storeText(const GridWindow& window);
// The 81 cell texts of a slot, or nullopt when the slot is empty or does not hold a 9x9 grid
// of values 1..9.
std::optional<std::vector<std::string>> parseStoreText(std::string_view text);

// Click on store label `index`: asks, then stores the grid and its notes (odd elements) or gets
// a stored grid back with the notes stored with it (element 0 and the even elements). A Get
// writes each cell with its value and runs the consistency check, so the value table and the
// possibilities follow at once. Notes that cannot be written store nothing. Returns true when
// the grid or the stores changed. A slot that cannot be read changes nothing and says so on the
// message line.
bool storeLabelClicked(GridWindow& window, MainWindowLink& mainWindow, DialogExchange& dialogs,
                       const StoreFile& file, int index);

// Where the store caption and store label `index` sit in the 9x9 window.
TwipRect storeCaptionRect();
TwipRect storeLabelRect(int index);

}  // namespace quorvel
