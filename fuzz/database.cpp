// Fuzzes reading a database file: unscrambling arbitrary bytes, splitting records, and the
// lookups and changes a command makes in memory. Every lookup is checked against one pass over
// the readable records, so each input costs a handful of passes and the run stays fast.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "storage/data_file.h"
#include "storage/puzzle_database.h"
#include "storage/scramble.h"

using namespace quorvel;

namespace {

// A record a level pick can reach: anything but the saved work in progress.
bool isFetchable(const PuzzleRecord& record) {
    return record.kind != kKindIncomplete && record.number != kIncompletePuzzleNumber;
}

void checkLookups(const Database& database, const std::vector<FoundRecord>& records) {
    const int level = records.empty() ? 1 : records.front().record.level;
    // The records a pick can reach, in file order: all of the level but the incomplete one.
    std::vector<std::size_t> ordinalLines;
    const FoundRecord* incomplete = nullptr;
    for (const FoundRecord& found : records) {
        if (found.record.level == level && isFetchable(found.record)) {
            ordinalLines.push_back(found.line);
        }
        if (!incomplete && found.record.number == kIncompletePuzzleNumber) incomplete = &found;
    }
    const auto fetchable = static_cast<int>(ordinalLines.size());
    FUZZ_CHECK(countLevel(database, level).count == fetchable);
    FUZZ_CHECK(fetchableRecords(database, level).size() == ordinalLines.size());

    for (const int ordinal : {1, fetchable, fetchable + 1}) {
        const LevelPick pick = pickFromLevel(database, level, ordinal);
        FUZZ_CHECK(pick.count == fetchable);
        FUZZ_CHECK(pick.found.has_value() == (fetchable > 0 && ordinal > 0));
        if (pick.found) {
            FUZZ_CHECK(pick.reached == std::min(ordinal, fetchable));
            FUZZ_CHECK(pick.found->line ==
                       ordinalLines[static_cast<std::size_t>(pick.reached - 1)]);
        }
    }

    const auto found = findIncomplete(database);
    FUZZ_CHECK(found.has_value() == (incomplete != nullptr));
    if (found) FUZZ_CHECK(found->line == incomplete->line);

    for (const FoundRecord& record : records) {
        if (record.record.number == kIncompletePuzzleNumber) continue;
        // Storing these givens finds a finished record, never the work in progress.
        const auto same = findByGivens(database, givensList(record.record.cellText));
        FUZZ_CHECK(same && same->line <= record.line);
        FUZZ_CHECK(same->record.number != kIncompletePuzzleNumber);
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(scramble(scramble(bytes, true), false) == bytes);
    FUZZ_CHECK(scramble(scramble(bytes, false), true) == bytes);

    const std::string plain = unscrambleFileBytes(bytes);
    for (const GridKind* kind : {&kNineGrid, &kFifteenGrid}) {
        Database database = parseDatabase(plain, *kind);
        FUZZ_CHECK(databaseText(database) == plain);
        const std::vector<FoundRecord> records = readableRecords(database);
        const int highest = highestPuzzleNumber(database);
        FUZZ_CHECK(highest >= 0 && highest < kIncompletePuzzleNumber);
        checkLookups(database, records);

        // A new record always lands readable on the last line, and only it is added.
        const std::string cells =
            std::string(kind->cellCount(), ',') + "#" + std::string(kind->cellCount(), ',');
        const PuzzleRecord added{highest + 1, kind->sizeCode, 1, cells, kKindStored, ""};
        int before = 0;
        for (const FoundRecord& found : records)
            before += found.record.level == 1 && isFetchable(found.record);
        appendRecord(database, formatRecord(added));
        const Database reread = parseDatabase(databaseText(database), *kind);
        FUZZ_CHECK(reread.lines.size() >= 2);
        FUZZ_CHECK(readRecord(reread.lines.back(), *kind).has_value());
        FUZZ_CHECK(countLevel(reread, 1).count == before + 1);

        // Removing a record takes exactly its line.
        std::vector<std::string> expected = database.lines;
        expected.erase(expected.begin() + 1);
        removeRecord(database, 1);
        FUZZ_CHECK(database.lines == expected);
    }
    return 0;
}
