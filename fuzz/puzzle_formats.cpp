// Fuzzes the puzzle format reader: any text is either read or refused with a message, never
// crashes, and every puzzle read comes back unchanged from each format that can hold it.

#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "storage/puzzle_formats.h"

using namespace quorvel;

namespace {

bool SameCells(const std::vector<FilePuzzle>& a, const std::vector<FilePuzzle>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!(a[i].puzzle.kind == b[i].puzzle.kind) || a[i].puzzle.values != b[i].puzzle.values)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const PuzzleTextRead read = ReadPuzzleText(text);
    if (!read.failure.empty()) {
        FUZZ_CHECK(read.puzzles.empty() && read.refusals.empty() && read.refusedCount == 0);
        return 0;
    }
    FUZZ_CHECK(!read.puzzles.empty() || read.refusedCount > 0);
    FUZZ_CHECK(read.refusals.size() <= kMaxListedRefusals);
    FUZZ_CHECK(static_cast<std::size_t>(read.refusedCount) >= read.refusals.size());
    for (const FilePuzzle& entry : read.puzzles) {
        FUZZ_CHECK(static_cast<int>(entry.puzzle.values.size()) == entry.puzzle.kind.cellCount());
        for (const int value : entry.puzzle.values)
            FUZZ_CHECK(value >= 0 && value <= entry.puzzle.kind.side);
    }
    if (read.puzzles.empty()) return 0;
    for (const PuzzleFormatName& format : kPuzzleFormats) {
        const PuzzleTextWrite written = WritePuzzleText(format.format, read.puzzles);
        if (!written.error.empty()) continue;
        const PuzzleTextRead again = ReadPuzzleText(written.text);
        FUZZ_CHECK(again.complete());
        FUZZ_CHECK(SameCells(again.puzzles, read.puzzles));
    }
    return 0;
}
