// Fuzzes importing a puzzle text file into a small database: a file is either refused whole or
// every record lands readable with a fresh number, and the same file is never taken twice.

#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "storage/data_file.h"
#include "storage/puzzle_database.h"
#include "storage/text_records.h"

using namespace quorvel;

namespace {

Database startingDatabase(const GridKind& kind) {
    const std::string cells =
        std::string(kind.cellCount(), ',') + "#" + std::string(kind.cellCount(), ',');
    Database database{{}, kind, {"Quorvel@@@@@@[]Old batch"}};
    appendRecord(database, formatRecord({7, kind.sizeCode, 2, cells, kKindPredefined, ""}));
    return database;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& plain : {bytes, unscrambleFileBytes(bytes)}) {
        const ImportCheck check = checkImportText(plain);
        if (!check.batch) continue;
        FUZZ_CHECK(!check.batch->records.empty());
        Database database = startingDatabase(check.batch->kind);
        const std::size_t linesBefore = database.lines.size();
        const auto imported = mergeImport(*check.batch, database);
        if (!imported) {
            FUZZ_CHECK(database.lines.size() == linesBefore);
            continue;
        }
        const std::size_t count = check.batch->records.size();
        FUZZ_CHECK(database.lines.size() == linesBefore + count);
        FUZZ_CHECK(imported->firstNumber == 8);
        FUZZ_CHECK(imported->count == static_cast<int>(count));
        FUZZ_CHECK(static_cast<int>(imported->values.size()) == check.batch->kind.cellCount());
        int previous = 7;
        for (std::size_t i = linesBefore; i < database.lines.size(); ++i) {
            const auto record = readRecord(database.lines[i], check.batch->kind);
            FUZZ_CHECK(record.has_value());
            FUZZ_CHECK(record->number > previous && record->number != kIncompletePuzzleNumber);
            previous = record->number;
        }
        FUZZ_CHECK(imported->lastNumber == previous);
        FUZZ_CHECK(!mergeImport(*check.batch, database).has_value());
    }
    return 0;
}
