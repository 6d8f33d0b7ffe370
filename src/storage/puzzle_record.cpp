#include "storage/puzzle_record.h"

#include "storage/cell_lists.h"
#include "storage/number_text.h"

namespace quorvel {

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t at; (at = line.find(kFieldSeparator, start)) != std::string_view::npos;) {
        fields.emplace_back(line.substr(start, at - start));
        start = at + kFieldSeparator.size();
    }
    fields.emplace_back(line.substr(start));
    return fields;
}

std::optional<int> RecordNumber(std::string_view line) {
    const std::vector<std::string> fields = SplitFields(line);
    if (fields.size() < 2 || !fields[0].empty()) return std::nullopt;
    return ParseInt16(fields[1]);
}

std::optional<PuzzleRecord> ReadRecord(std::string_view line, const GridKind& kind) {
    const std::vector<std::string> fields = SplitFields(line);
    if (fields.size() < 5 || !fields[0].empty()) return std::nullopt;
    const std::optional<int> number = ParseInt16(fields[1]);
    const std::optional<int> sizeCode = ParseInt16(fields[2]);
    const std::optional<int> level = ParseInt16(fields[3]);
    if (!number || !level || sizeCode != kind.sizeCode) return std::nullopt;
    if (!CellTextFits(fields[4], kind)) return std::nullopt;

    PuzzleRecord record{*number, *sizeCode, *level, fields[4], kKindStored, ""};
    if (fields.size() > 5) record.kind = ParseInt16(fields[5]).value_or(kKindStored);
    if (fields.size() > 6) record.elapsed = fields[6];
    return record;
}

std::string FormatRecord(const PuzzleRecord& record) {
    const std::string sep(kFieldSeparator);
    return sep + std::to_string(record.number) + sep + std::to_string(record.sizeCode) + sep +
           std::to_string(record.level) + sep + record.cellText + sep +
           std::to_string(record.kind) + sep + record.elapsed;
}

std::string_view GivensList(std::string_view cellText) {
    return cellText.substr(0, cellText.find('#'));
}

}  // namespace quorvel
