#include "model/colouring.h"

#include <gtest/gtest.h>

#include "storage/note_file.h"

namespace quorvel {
namespace {

struct ColouringCase {
    const char* text;
    const GridKind* kind;
    int cell;
    int value;  // 0: the cell itself
    int colour;
};

// Each text names one colour the grid takes; the parts around it are out of the grid, out of the
// four colours or malformed, and are skipped.
TEST(Colouring, ReadsTheColoursOfItsGridAndSkipsTheRest) {
    const ColouringCase cases[] = {
        {"3:1", &kNineGrid, 3, 0, 1},
        {"0:1 81:4 82:2", &kNineGrid, 81, 0, 4},
        {"226:2 40/15:3", &kFifteenGrid, 40, 15, 3},
        {"40/10:3 5/9:4", &kNineGrid, 5, 9, 4},
        {"7:5 7:0 7/0:1 7:x 7 6:3", &kNineGrid, 6, 0, 3},
        {"9/2:1 9/16:2", &kFifteenGrid, 9, 2, 1},
    };
    for (const ColouringCase& c : cases) {
        Colouring expected;
        if (c.value == 0) {
            expected.cells[static_cast<std::size_t>(c.cell)] = static_cast<std::uint8_t>(c.colour);
        } else {
            expected.notes[static_cast<std::size_t>(c.cell)][static_cast<std::size_t>(c.value)] =
                static_cast<std::uint8_t>(c.colour);
        }
        const Colouring read = parseColouring(c.text, *c.kind);
        EXPECT_EQ(formatColouring(read), formatColouring(expected)) << c.text;
        EXPECT_EQ(parseColouring(formatColouring(read), *c.kind), read) << c.text;
    }
}

// The colouring line follows the notes line of its entry; a file without it, as earlier
// versions wrote, reads as before, and an entry with colours alone is kept.
TEST(Colouring, TravelsInTheNoteFileBesideTheNotes) {
    const std::vector<NoteEntry> older = parseNoteFile("key a\nnotes 3:1,2\n", kNineGrid);
    ASSERT_EQ(older.size(), 1u);
    EXPECT_TRUE(older[0].colouring.empty());
    NoteEntry coloured{"b", NoteMasks(82, 0), parseColouring("4:2 3/1:1", kNineGrid)};
    const std::vector<NoteEntry> entries{older[0], coloured};
    const std::vector<NoteEntry> read = parseNoteFile(formatNoteFile(entries), kNineGrid);
    EXPECT_EQ(read, entries);
    EXPECT_EQ(colouringKeyed(read, "b"), coloured.colouring);
    EXPECT_TRUE(colouringKeyed(read, "a").empty());
    EXPECT_TRUE(parseNoteFile("key c\ncolouring 4:2\n", kNineGrid).empty());
}

}  // namespace
}  // namespace quorvel
