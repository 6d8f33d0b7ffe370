// Fuzzes reading a database file: unscrambling arbitrary bytes, splitting records, and every
// lookup and change a command makes in memory.

#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "storage/data_file.h"
#include "storage/puzzle_database.h"
#include "storage/scramble.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(Scramble(Scramble(bytes, true), false) == bytes);
    FUZZ_CHECK(Scramble(Scramble(bytes, false), true) == bytes);

    const std::string plain = UnscrambleFileBytes(bytes);
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        Database database = ParseDatabase(plain, *kind);
        FUZZ_CHECK(DatabaseText(database) == plain);
        int total = 0;
        for (int level = 1; level <= 4; ++level) {
            const LevelCount counted = CountLevel(database, level);
            total += counted.count;
            for (int ordinal = 0; ordinal <= 2; ++ordinal) {
                if (const auto found = FindByOrdinal(database, level, ordinal)) {
                    FUZZ_CHECK(found->record.level == level && ordinal >= 1);
                    if (found->record.number != kIncompletePuzzleNo) {
                        FUZZ_CHECK(FindByGivens(database, GivensList(found->record.cellText)));
                    }
                }
            }
        }
        FindIncomplete(database);
        const int highest = HighestPuzzleNo(database);
        FUZZ_CHECK(highest >= 0 && highest < kIncompletePuzzleNo);

        // A new record always lands readable on the last line, and only it is added.
        const std::string cells =
            std::string(kind->cellCount(), ',') + "#" + std::string(kind->cellCount(), ',');
        const PuzzleRecord added{highest + 1, kind->sizeCode, 1, cells, kKindStored, ""};
        const int before = CountLevel(database, 1).count;
        AppendRecord(database, FormatRecord(added));
        const Database reread = ParseDatabase(DatabaseText(database), *kind);
        FUZZ_CHECK(reread.lines.size() >= 2);
        FUZZ_CHECK(ReadRecord(reread.lines.back(), *kind).has_value());
        FUZZ_CHECK(CountLevel(reread, 1).count == before + 1);
        if (total > 0) RemoveRecord(database, 1);
    }
    return 0;
}
