#include "storage/note_file.h"

#include <algorithm>
#include <charconv>

#include "storage/data_file.h"

namespace quorvel {

namespace {

constexpr std::string_view kKeyLead = "key ";
constexpr std::string_view kNotesLead = "notes ";
constexpr std::string_view kColouringLead = "colouring ";

std::optional<int> number(std::string_view text) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return number;
}

// The parts of `text` between `separator`s, empty parts left out.
std::vector<std::string_view> parts(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const std::size_t end = text.find(separator);
        if (end != 0) parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return parts;
}

}  // namespace

std::string formatNotes(std::span<const ValueMask> notes) {
    std::string text;
    for (std::size_t cell = 1; cell < notes.size(); ++cell) {
        if (notes[cell] == 0) continue;
        if (!text.empty()) text += ' ';
        text += std::to_string(cell) + ':' + candidateText(notes[cell]);
    }
    return text;
}

NoteMasks parseNotes(std::string_view text, const GridKind& kind) {
    NoteMasks notes(static_cast<std::size_t>(kind.cellCount()) + 1, 0);
    for (std::string_view part : parts(text, ' ')) {
        const std::size_t colon = part.find(':');
        const std::optional<int> cell = number(part.substr(0, colon));
        if (colon == std::string_view::npos || !cell || *cell < 1 || *cell > kind.cellCount())
            continue;
        for (std::string_view valueText : parts(part.substr(colon + 1), ',')) {
            const std::optional<int> value = number(valueText);
            if (value && *value >= 1 && *value <= kind.side)
                notes[static_cast<std::size_t>(*cell)] |= static_cast<ValueMask>(1u << *value);
        }
    }
    return notes;
}

std::string formatNoteFile(const std::vector<NoteEntry>& entries) {
    std::string text;
    for (const NoteEntry& entry : entries) {
        text += std::string(kKeyLead) + entry.key + "\n";
        text += std::string(kNotesLead) + formatNotes(entry.notes) + "\n";
        if (!entry.colouring.empty())
            text += std::string(kColouringLead) + formatColouring(entry.colouring) + "\n";
    }
    return text;
}

std::vector<NoteEntry> parseNoteFile(std::string_view text, const GridKind& kind) {
    std::vector<NoteEntry> entries;
    bool keyed = false;
    bool noted = false;
    for (std::string_view line : parts(text, '\n')) {
        if (line.back() == '\r') line.remove_suffix(1);
        if (line.starts_with(kKeyLead)) {
            entries.push_back({std::string(line.substr(kKeyLead.size())), {}, {}});
            keyed = true;
            noted = false;
        } else if (keyed && line.starts_with(kNotesLead)) {
            entries.back().notes = parseNotes(line.substr(kNotesLead.size()), kind);
            keyed = false;
            noted = true;
        } else if (noted && line.starts_with(kColouringLead)) {
            entries.back().colouring = parseColouring(line.substr(kColouringLead.size()), kind);
            noted = false;
        }
    }
    // A key without its notes line keeps no notes.
    std::erase_if(entries, [](const NoteEntry& entry) { return entry.notes.empty(); });
    return entries;
}

std::filesystem::path noteFileBeside(const std::filesystem::path& database) {
    return database.parent_path() / (database.stem().string() + "-notes.txt");
}

Result<std::vector<NoteEntry>> loadNoteFile(const std::filesystem::path& file,
                                            const GridKind& kind) {
    std::string text;
    if (FileStatus error = transferTextFile(text, file, TextFileMode::ReadRaw)) return *error;
    return parseNoteFile(text, kind);
}

NoteMasks notesKeyed(const std::vector<NoteEntry>& entries, std::string_view key,
                     const GridKind& kind) {
    for (const NoteEntry& entry : entries) {
        if (entry.key == key) return entry.notes;
    }
    return NoteMasks(static_cast<std::size_t>(kind.cellCount()) + 1, 0);
}

Colouring colouringKeyed(const std::vector<NoteEntry>& entries, std::string_view key) {
    for (const NoteEntry& entry : entries) {
        if (entry.key == key) return entry.colouring;
    }
    return {};
}

FileStatus updateNoteFile(const std::filesystem::path& file, const GridKind& kind,
                          std::span<const std::string> kept,
                          const std::vector<NoteEntry>& changed) {
    Result<std::vector<NoteEntry>> loaded = loadNoteFile(file, kind);
    if (!loaded) return loaded.error();
    const std::vector<NoteEntry>& before = loaded.value();
    std::vector<NoteEntry> after;
    const auto hasNotes = [](const NoteEntry& entry) {
        return !entry.colouring.empty() || std::any_of(entry.notes.begin(), entry.notes.end(),
                                                       [](ValueMask mask) { return mask != 0; });
    };
    for (const NoteEntry& entry : before) {
        const auto keyIs = [&entry](const auto& other) { return other == entry.key; };
        const bool replaced = std::any_of(changed.begin(), changed.end(),
                                          [&](const NoteEntry& next) { return keyIs(next.key); });
        if (!replaced && std::any_of(kept.begin(), kept.end(), keyIs)) after.push_back(entry);
    }
    for (const NoteEntry& entry : changed) {
        if (hasNotes(entry)) after.push_back(entry);
    }
    if (after == before) return std::nullopt;
    return replaceFileAtomically(file, formatNoteFile(after));
}

}  // namespace quorvel
