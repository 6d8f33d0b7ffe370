// Fuzzes the one-line puzzle reader: any bytes give either a puzzle or a one-line error, a puzzle
// written back reads back the same, and writing any values gives a line that reads.

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "model/puzzle_line.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const PuzzleLineResult read = parsePuzzleLine(bytes);
    FUZZ_CHECK(read.puzzle.has_value() == read.error.empty());
    FUZZ_CHECK(read.error.find('\n') == std::string::npos);
    if (read.puzzle) {
        const Puzzle& puzzle = *read.puzzle;
        FUZZ_CHECK(static_cast<int>(puzzle.values.size()) == puzzle.kind.cellCount());
        for (const int value : puzzle.values)
            FUZZ_CHECK(value >= 0 && value <= puzzle.kind.side);
        const std::string written = formatPuzzleLine(puzzle.kind, puzzle.values);
        const PuzzleLineResult again = parsePuzzleLine(written);
        FUZZ_CHECK(again.puzzle && again.puzzle->kind.side == puzzle.kind.side);
        FUZZ_CHECK(again.puzzle->values == puzzle.values);
    }

    // The bytes as cell values (signed, so out-of-range values come up too): each kind writes a
    // line that reads back with every value outside 1..N as an empty cell.
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        std::vector<int> values(kind->cellCount(), 0);
        for (std::size_t i = 0; i < size && i < values.size(); ++i)
            values[i] = static_cast<std::int8_t>(data[i]);
        const PuzzleLineResult again = parsePuzzleLine(formatPuzzleLine(*kind, values));
        FUZZ_CHECK(again.puzzle && again.puzzle->kind.side == kind->side);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const bool inRange = values[i] >= 1 && values[i] <= kind->side;
            FUZZ_CHECK(again.puzzle->values[i] == (inRange ? values[i] : 0));
        }
    }
    return 0;
}
