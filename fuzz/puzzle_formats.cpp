// Fuzzes the puzzle format reader: any text is either read or refused with a message, never
// crashes, and every puzzle read comes back from each format that can hold it: the givens
// unchanged from the puzzle formats, every given and entry as a given from the candidate formats.

#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "storage/puzzle_formats.h"

using namespace quorvel;

namespace {

bool sameCells(const std::vector<FilePuzzle>& a, const std::vector<FilePuzzle>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!(a[i].puzzle.kind == b[i].puzzle.kind) || a[i].puzzle.values != b[i].puzzle.values)
            return false;
    }
    return true;
}

// Every given and entry of `read` stands as a given in `again`.
bool keepsValues(const std::vector<FilePuzzle>& read, const std::vector<FilePuzzle>& again) {
    if (read.size() != again.size()) return false;
    for (std::size_t i = 0; i < read.size(); ++i) {
        const std::vector<int>& values = read[i].puzzle.values;
        for (std::size_t cell = 0; cell < values.size(); ++cell) {
            const int entry = cell < read[i].entries.size() ? read[i].entries[cell] : 0;
            const int value = values[cell] > 0 ? values[cell] : entry;
            if (value > 0 && again[i].puzzle.values[cell] != value) return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const PuzzleTextRead read = readPuzzleText(text);
    if (!read.failure.empty()) {
        FUZZ_CHECK(read.puzzles.empty() && read.refusals.empty() && read.refusedCount == 0);
        return 0;
    }
    FUZZ_CHECK(!read.puzzles.empty() || read.refusedCount > 0);
    FUZZ_CHECK(read.refusals.size() <= kMaxListedRefusals);
    FUZZ_CHECK(static_cast<std::size_t>(read.refusedCount) >= read.refusals.size());
    for (const FilePuzzle& entry : read.puzzles) {
        const auto cells = static_cast<std::size_t>(entry.puzzle.kind.cellCount());
        FUZZ_CHECK(entry.puzzle.values.size() == cells);
        FUZZ_CHECK(entry.entries.empty() || entry.entries.size() == cells);
        FUZZ_CHECK(entry.puzzle.candidates.empty() || entry.puzzle.candidates.size() == cells);
        for (const int value : entry.puzzle.values)
            FUZZ_CHECK(value >= 0 && value <= entry.puzzle.kind.side);
        for (const int value : entry.entries)
            FUZZ_CHECK(value >= 0 && value <= entry.puzzle.kind.side);
    }
    if (read.puzzles.empty()) return 0;
    for (const PuzzleFormatName& format : kPuzzleFormats) {
        const PuzzleTextWrite written = writePuzzleText(format.format, read.puzzles);
        if (!written.error.empty()) continue;
        const PuzzleTextRead again = readPuzzleText(written.text);
        FUZZ_CHECK(again.complete());
        FUZZ_CHECK(writesCandidates(format.format) ? keepsValues(read.puzzles, again.puzzles)
                                                   : sameCells(again.puzzles, read.puzzles));
    }
    return 0;
}
