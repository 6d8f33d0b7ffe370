#pragma once
// The user's notes (the values noted in empty cells), kept beside a data file whose format has no
// room for them: the incomplete puzzle's notes beside its database, the temporary stores' notes
// beside the settings. Each entry is keyed to the data it belongs to (the database record's line,
// a store's slot and grid), so notes come back only with exactly that data: after a save that
// failed halfway, or a file changed by another program, a key that no longer matches is never
// applied.
//
// The file is plain text, two lines an entry:
//   key []32000[]3[]2[]...
//   notes 3:1,4,7 12:2,5
//   colouring 3:1 12/5:2
// the notes as "cell:values" with cells and values ascending, then, when the user coloured any
// cell or note, the colouring (model/colouring.h); lines of any other shape are skipped.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/colouring.h"
#include "model/grid_kind.h"
#include "model/units.h"
#include "storage/file_error.h"

namespace quorvel {

inline constexpr std::string_view kStoreNotesFileName = "QuorvelStoreNotes.txt";

struct NoteEntry {
    std::string key;
    NoteMasks notes;
    Colouring colouring;
    bool operator==(const NoteEntry&) const = default;
};

// "3:1,4,7 12:2,5" for the cells with notes.
std::string formatNotes(std::span<const ValueMask> notes);
// The notes of a grid of `kind`; a part naming no cell of the grid or a value outside 1..N is
// skipped.
NoteMasks parseNotes(std::string_view text, const GridKind& kind);

std::string formatNoteFile(const std::vector<NoteEntry>& entries);
std::vector<NoteEntry> parseNoteFile(std::string_view text, const GridKind& kind);

// The file beside a database that keeps its incomplete puzzle's notes: "type3-notes.txt".
std::filesystem::path noteFileBeside(const std::filesystem::path& database);

// The entries of the file; none when it is missing. A file that is there but cannot be read is a
// failure, so that no save replaces notes it could not see.
Result<std::vector<NoteEntry>> loadNoteFile(const std::filesystem::path& file,
                                            const GridKind& kind);
// The notes of the entry keyed `key`, or no notes; and its colouring, or none.
NoteMasks notesKeyed(const std::vector<NoteEntry>& entries, std::string_view key,
                     const GridKind& kind);
Colouring colouringKeyed(const std::vector<NoteEntry>& entries, std::string_view key);

// Rewrites the file (atomically) with the entries it has whose key is one of `kept` (the data
// still in place until the caller's own save succeeds), then `changed`, which replace entries of
// the same keys. Entries without notes are left out; nothing is written when the file would stay
// as it is.
FileStatus updateNoteFile(const std::filesystem::path& file, const GridKind& kind,
                          std::span<const std::string> kept, const std::vector<NoteEntry>& changed);

}  // namespace quorvel
