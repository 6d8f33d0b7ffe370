#include "storage/puzzle_record.h"

#include <array>

#include "storage/cell_lists.h"
#include "storage/number_text.h"

namespace quorvel {

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t at; (at = line.find(kFieldSeparator, start)) != std::string_view::npos;) {
        fields.emplace_back(line.substr(start, at - start));
        start = at + kFieldSeparator.size();
    }
    fields.emplace_back(line.substr(start));
    return fields;
}

namespace {

// The first N fields of the line split at "[]" (element 0 is what precedes the first separator)
// as views into it, and how many of them the line has.
template <std::size_t N>
std::size_t firstFields(std::string_view line, std::array<std::string_view, N>& fields) {
    std::size_t count = 0;
    for (std::size_t start = 0; count < N;) {
        const std::size_t at = line.find(kFieldSeparator, start);
        fields[count++] = line.substr(start, at == std::string_view::npos ? at : at - start);
        if (at == std::string_view::npos) break;
        start = at + kFieldSeparator.size();
    }
    return count;
}

}  // namespace

std::optional<int> recordNumber(std::string_view line) {
    std::array<std::string_view, 2> fields;
    if (firstFields(line, fields) < 2 || !fields[0].empty()) return std::nullopt;
    return parseInt16(fields[1]);
}

std::optional<RecordFields> readRecordFields(std::string_view line, const GridKind& kind) {
    std::array<std::string_view, 7> fields;
    const std::size_t count = firstFields(line, fields);
    if (count < 5 || !fields[0].empty()) return std::nullopt;
    const std::optional<int> number = parseInt16(fields[1]);
    const std::optional<int> sizeCode = parseInt16(fields[2]);
    const std::optional<int> level = parseInt16(fields[3]);
    if (!number || !level || sizeCode != kind.sizeCode) return std::nullopt;
    if (!cellTextFits(fields[4], kind)) return std::nullopt;

    RecordFields record{*number, *sizeCode, *level, fields[4], kKindStored, {}};
    if (count > 5) record.kind = parseInt16(fields[5]).value_or(kKindStored);
    if (count > 6) record.elapsed = fields[6];
    return record;
}

std::optional<PuzzleRecord> readRecord(std::string_view line, const GridKind& kind) {
    const std::optional<RecordFields> fields = readRecordFields(line, kind);
    if (!fields) return std::nullopt;
    return PuzzleRecord{fields->number, fields->sizeCode,
                        fields->level,  std::string(fields->cellText),
                        fields->kind,   std::string(fields->elapsed)};
}

std::string formatRecord(const PuzzleRecord& record) {
    const std::string sep(kFieldSeparator);
    return sep + std::to_string(record.number) + sep + std::to_string(record.sizeCode) + sep +
           std::to_string(record.level) + sep + record.cellText + sep +
           std::to_string(record.kind) + sep + record.elapsed;
}

std::string_view givensList(std::string_view cellText) {
    return cellText.substr(0, cellText.find('#'));
}

}  // namespace quorvel
