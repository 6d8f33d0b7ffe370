#include "application/grid/temporary_stores.h"

#include "application/grid/dialog_exchange.h"
#include "application/grid/grid_window.h"
#include "application/grid/main_window_link.h"
#include "application/grid/text_number.h"
#include "model/program_state.h"

namespace quorvel {

namespace {

constexpr std::string_view kStoreTip = "Temporarily Store Current Data.";
constexpr std::string_view kGetTip = "Get Previously Stored Data.";
constexpr std::string_view kLastTryTip = "Get Data Prior to Latest Store Command.";
constexpr std::string_view kCaptions[kStoreLabelCount] = {"LA\nST", "S1", "G1", "S2",
                                                          "G2",     "S3", "G3"};

// The band below the grid; the caption has room for larger fonts on its left.
constexpr int kStoreTop = 6705;
constexpr int kStoreHeight = 390;
constexpr int kCaptionLeft = 2550;
constexpr int kCaptionWidth = 1650;
constexpr int kLabelLeft = 4230;
constexpr int kLabelPitch = 435;
constexpr int kLabelWidth = 405;

bool validEntry(const std::string& text, int side) {
    if (text.empty()) return true;
    if (!isWholeNumberText(text)) return false;
    const double value = lenientNumber(text);
    return value >= 1 && value <= side;
}

// The key of a slot's notes: the slot and the grid it holds.
std::string notesKey(int slot, std::string_view stored) {
    return "slot " + std::to_string(slot) + " " + std::string(stored);
}

void getStored(GridWindow& window, const std::vector<std::string>& cells, const NoteMasks& notes) {
    for (int cell = 1; cell <= window.board().cellCount(); ++cell)
        window.setCellValue(cell, cells[static_cast<size_t>(cell - 1)]);
    window.setAllNotes(notes);
    // The values just written are committed: the selected cell has nothing pending.
    window.acceptSelectedText();
    window.checkConsistency(1);
}

}  // namespace

std::string_view storeLabelCaption(int index) {
    return index >= 0 && index < kStoreLabelCount ? kCaptions[index] : "";
}

std::string_view storeLabelToolTip(int index) {
    if (index == 0) return kLastTryTip;
    if (index < 0 || index >= kStoreLabelCount) return "";
    return index % 2 == 1 ? kStoreTip : kGetTip;
}

int storeSlotOf(int index) {
    return (index + 1) / 2;
}

std::string storePrompt(int index) {
    if (index == 0) return "Overwrite into Grid from Last Try before Storing?.";
    const std::string slot = std::to_string(storeSlotOf(index));
    if (index % 2 == 1) return "Overwrite into Store No. " + slot + "?";
    return "Overwrite into Grid from Store No. " + slot + "?";
}

std::string storeText(const GridWindow& window) {
    std::string text;
    for (int cell = 1; cell <= window.board().cellCount(); ++cell) {
        text += ',';
        text += window.board().cell(cell).text;
    }
    return text;
}

std::optional<std::vector<std::string>> parseStoreText(std::string_view text) {
    if (text.empty() || text.front() != ',') return std::nullopt;
    std::vector<std::string> cells;
    std::size_t start = 1;
    while (true) {
        const std::size_t comma = text.find(',', start);
        cells.emplace_back(
            text.substr(start, comma == std::string_view::npos ? text.npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (static_cast<int>(cells.size()) != kNineGrid.cellCount()) return std::nullopt;
    for (const std::string& cell : cells) {
        if (!validEntry(cell, kNineGrid.side)) return std::nullopt;
    }
    return cells;
}

bool storeLabelClicked(GridWindow& window, MainWindowLink& mainWindow, DialogExchange& dialogs,
                       const StoreFile& file, int index) {
    if (!window.kind().isNine() || index < 0 || index >= kStoreLabelCount) return false;
    dialogs.ask(std::string(kStoreTitle), storePrompt(index), "");
    if (dialogs.dialogCancelled) return false;
    const int slot = storeSlotOf(index);
    if (index % 2 == 1) {
        StoreSlots slots = file.read();
        std::vector<std::string> kept;
        for (std::size_t at = 0; at < slots.size(); ++at)
            kept.push_back(notesKey(static_cast<int>(at), slots[at]));
        const std::string text = storeText(window);
        const NoteMasks notes = window.allNotes();
        if (!file.writeNotes(kept,
                             {{notesKey(0, text), notes, {}}, {notesKey(slot, text), notes, {}}}))
            return false;
        slots[0] = text;
        slots[static_cast<size_t>(slot)] = text;
        file.write(slots);
        return true;
    }
    const std::string stored = file.read()[static_cast<size_t>(slot)];
    if (stored.empty()) return false;
    const auto cells = parseStoreText(stored);
    if (!cells) {
        mainWindow.showMessage("Temporary store " + std::to_string(slot) + " cannot be read.",
                               colour::kRed, Alignment::Centre);
        return false;
    }
    getStored(window, *cells, notesKeyed(file.readNotes(), notesKey(slot, stored), window.kind()));
    mainWindow.recordHistory(window);
    return true;
}

TwipRect storeCaptionRect() {
    return {kCaptionLeft, kStoreTop, kCaptionWidth, kStoreHeight};
}

TwipRect storeLabelRect(int index) {
    return {kLabelLeft + index * kLabelPitch, kStoreTop, kLabelWidth, kStoreHeight};
}

}  // namespace quorvel
