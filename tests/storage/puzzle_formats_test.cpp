// Standard puzzle formats: what each format's documented example reads as, that every format
// written reads back the same (a SadMan file its entries and marks too), and that malformed
// texts are refused naming the line.

#include <gtest/gtest.h>

#include <fstream>

#include "storage/puzzle_formats.h"
#include "storage/text_encoding.h"
#include "storage_fixtures.h"

namespace quorvel {
namespace {

const std::string kEasy =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kEasySolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
const std::string kEasyRows =
    "53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n7...2...6\n.6....28.\n...419..5\n"
    "....8..79\n";

// A 15 x 15 puzzle line using every value and empty cells.
std::string fifteenLine(int seed) {
    std::string line;
    for (int i = 0; i < kFifteenGrid.cellCount(); ++i)
        line += ".123456789ABCDEF"[(i * 7 + seed) % 16];
    return line;
}

// Every puzzle of the reading as puzzle lines, one a line.
std::string linesOf(const PuzzleTextRead& read) {
    std::string lines;
    for (const FilePuzzle& entry : read.puzzles)
        lines += formatPuzzleLine(entry.puzzle.kind, entry.puzzle.values) + "\n";
    return lines;
}

// The text in UTF-16, little- or big-endian.
std::string utf16(const std::string& text, bool little) {
    std::string bytes;
    for (const char c : text)
        bytes += little ? std::string{c, '\0'} : std::string{'\0', c};
    return bytes;
}

// The puzzle line as rows of `side` comma-separated cells, an empty cell an empty field, as the
// console sudoku program writes CSV.
std::string csvRows(const std::string& line, std::size_t side) {
    std::string rows;
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line[at] != '.') rows += line[at];
        rows += (at + 1) % side == 0 ? '\n' : ',';
    }
    return rows;
}

ValueMask Mask(std::initializer_list<int> values) {
    ValueMask mask = 0;
    for (const int value : values)
        mask |= static_cast<ValueMask>(1u << value);
    return mask;
}

struct Example {
    const char* what;
    std::string text;
    std::string lines;
};

TEST(PuzzleFormats, ReadsTheExamplesOfEachFormat) {
    const std::string fifteen = fifteenLine(0);
    std::string lowered = fifteen;
    for (char& c : lowered)
        c = c == '.' ? '_' : static_cast<char>(std::tolower(c));
    const Example examples[] = {
        {"line with a comment", kEasy + " # easy\n", kEasy + "\n"},
        {"line without a line end", kEasy, kEasy + "\n"},
        {"empty marks and lower case", "0*x-_" + lowered.substr(5) + "#c",
         "....." + fifteen.substr(5) + "\n"},
        {"collection", "# my puzzles\r\n" + kEasy + "\r\n\r\n" + fifteen + "\tsecond\r\n",
         kEasy + "\n" + fifteen + "\n"},
        {"sdk", "[Puzzle]\n#AAnna\n#D An easy one\n" + kEasyRows, kEasy + "\n"},
        {"boxed ss with a trailing record",
         "*-----------*\n|53.|.7.|...|\n|6..|195|...|\n|.98|...|.6.|\n|---+---+---|\n"
         "|8..|.6.|..3|\n|4..|8.3|..1|\n|7..|.2.|..6|\n|---+---+---|\n|.6.|...|28.|\n"
         "|...|419|..5|\n|...|.8.|.79|\n*-----------*\n\nSolution: none\n",
         kEasy + "\n"},
        {"spaced grid with a title",
         "% easy\n 5 3 . | . 7 . | . . .\n 6 . . | 1 9 5 | . . .\n . 9 8 | . . . | . 6 .\n"
         "-------+-------+-------\n 8 . . | . 6 . | . . 3\n 4 . . | 8 . 3 | . . 1\n"
         " 7 . . | . 2 . | . . 6\n-------+-------+-------\n . 6 . | . . . | 2 8 .\n"
         " . . . | 4 1 9 | . . 5\n . . . | . 8 . | . 7 9\n",
         kEasy + "\n"},
        {"titled grids one after another", "% one\n" + kEasyRows + "// two\n" + kEasyRows,
         kEasy + "\n" + kEasy + "\n"},
        {"comma-separated grid under a header",
         "A,B,C,D,E,F,G,H,I\n5,3,,,7,,,,\n6,,,1,9,5,,,\n,9,8,,,,,6,\n8,,,,6,,,,3\n4,,,8,,3,,,1\n7,,"
         ",,2,,,,6\n"
         ",6,,,,,2,8,\n,,,4,1,9,,,5\n,,,,8,,,7,9,\n",
         kEasy + "\n"},
        {"comma-separated grids one after another",
         csvRows(kEasy, 9) + csvRows(kEasySolution, 9) + csvRows(kEasy, 9),
         kEasy + "\n" + kEasySolution + "\n" + kEasy + "\n"},
        {"comma-separated lines under a header",
         "Puzzle,Solution,Level,\n; from a spreadsheet\n" + kEasy + "," + kEasySolution +
             ",Easy,\n" + kEasy + ",\n",
         kEasy + "\n" + kEasy + "\n"},
        {"opensudoku",
         "<?xml version=\"1.0\"?>\n<opensudoku>\n<name>Set</name>\n<author>Anna</author>\n"
         "<game data=\"" +
             std::string(81, '0') + "\"/>\n<game data=\"" + kEasy + "\"/>\n</opensudoku>\n",
         std::string(81, '.') + "\n" + kEasy + "\n"},
        {"candidate grid framed as on forums",
         ".--------------.--------------.--------------.\n"
         "| 5 3 12 | 26 7 248 | 1489 149 248|\n" +
             std::string("| 1 2 3 | 4 5 6 | 7 8 9 |\n") + "| 123 123 12| 1 1 1 |1 1 1 |\n" +
             ":--------------+--------------+--------------:\n" +
             "| 12 12 12 | 12 12 12 | 12 12 12 |\n" + "| 12 12 12 | 12 12 12 | 12 12 12 |\n" +
             "| 12 12 12 | 12 12 12 | 12 12 12 |\n" + "| 12 12 12 | 12 12 12 | 12 12 12 |\n" +
             "| 12 12 12 | 12 12 12 | 12 12 12 |\n" + "| 12 12 12 | 12 12 12 | 12 12 99 |\n" +
             "'--------------'--------------'--------------'\n",
         "53..7....123456789...111111" + std::string(53, '.') + "9\n"},
        {"blank lines and tabs between bands and cells, a row of '-'",
         "---------\n6..195...\n.98....6.\n\n8\t.\t.\t.\t6\t.\t.\t.\t3\n4..8.3..1\n7...2...6\n"
         "\n.6....28.\n...419..5\n....8..79\n",
         "........." + kEasy.substr(9) + "\n"},
        {"SadMan file",
         "[Puzzle]\n" + kEasyRows + "[State]\n534.7....\n" + kEasyRows.substr(10) +
             "[PencilMarks]\n,,,26,,248,,,\n,,,,,,,,\n,,,,,,,,\n,,,,,,,,\n,,,,,,,,\n,,,,,,,,\n"
             ",,,,,,,,\n,,,,,,,,\n,,,,,,,,\n[Colours]\n1,2,3\n",
         kEasy + "\n"},
        {"UTF-16 with a byte-order mark", "\xFF\xFE" + utf16(kEasyRows, true), kEasy + "\n"},
        {"UTF-16 big-endian without one", utf16(kEasy, false), kEasy + "\n"},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + kEasy, kEasy + "\n"},
    };
    for (const Example& example : examples) {
        const PuzzleTextRead read = readPuzzleText(example.text);
        EXPECT_TRUE(read.complete()) << example.what << ": " << read.firstProblem();
        EXPECT_EQ(linesOf(read), example.lines) << example.what;
    }
    const PuzzleTextRead sdk = readPuzzleText(examples[4].text);
    EXPECT_EQ(sdk.puzzles[0].info, (std::vector<PuzzleInfo>{{'A', "Anna"}, {'D', "An easy one"}}));
    EXPECT_EQ(readPuzzleText(examples[7].text).puzzles[1].info,
              (std::vector<PuzzleInfo>{{'N', "two"}}));
    const std::vector<ValueMask> forum =
        readPuzzleText(examples[12].text).puzzles[0].puzzle.candidates;
    EXPECT_EQ(forum[0], Mask({5}));
    EXPECT_EQ(forum[2], Mask({1, 2}));
    const FilePuzzle sadMan = readPuzzleText(examples[14].text).puzzles[0];
    std::vector<int> entries(81, 0);
    entries[2] = 4;
    EXPECT_EQ(sadMan.entries, entries);
    const std::vector<ValueMask>& marks = sadMan.puzzle.candidates;
    EXPECT_EQ(std::vector<ValueMask>(marks.begin(), marks.begin() + 7),
              (std::vector<ValueMask>{Mask({5}), Mask({3}), Mask({4}), Mask({2, 6}), Mask({7}),
                                      Mask({2, 4, 8}), unitTables(kNineGrid).fullMask}));
    EXPECT_EQ(readPuzzleText(examples[3].text).puzzles[1].line, 4);
}

TEST(PuzzleFormats, EveryFormatReadsBackWhatItWrote) {
    const std::vector<PuzzleInfo> info = {{'N', "Set"}, {'A', "Anna"}, {'D', "d"}, {'L', "easy"},
                                          {'C', "c"},   {'B', "2024"}, {'S', "s"}, {'U', "u"}};
    const auto puzzle = [&](const std::string& line) {
        return FilePuzzle{*parsePuzzleLine(line).puzzle, 0, info, {}};
    };
    // The candidate formats get empty grids with candidates in every cell: 1, 2 and one more.
    const auto state = [&](const GridKind& kind, int shift) {
        FilePuzzle entry{Puzzle{kind, std::vector<int>(kind.cellCount(), 0), {}, {}}, 0, info, {}};
        for (int i = 0; i < kind.cellCount(); ++i)
            entry.puzzle.candidates.push_back(Mask({1, 2, (i + shift) % kind.side + 1}));
        return entry;
    };
    const std::vector<FilePuzzle> nine = {puzzle(kEasy), puzzle(std::string(81, '.'))};
    const std::vector<FilePuzzle> fifteen = {puzzle(fifteenLine(3)), puzzle(fifteenLine(9))};
    const std::vector<FilePuzzle> nineState = {state(kNineGrid, 0), state(kNineGrid, 4)};
    const std::vector<FilePuzzle> fifteenState = {state(kFifteenGrid, 0), state(kFifteenGrid, 7)};
    for (const PuzzleFormatName& format : kPuzzleFormats) {
        const bool candidates = writesCandidates(format.format);
        for (const auto* puzzles :
             {candidates ? &nineState : &nine, candidates ? &fifteenState : &fifteen}) {
            const PuzzleTextWrite written = writePuzzleText(format.format, *puzzles);
            if (format.format == PuzzleFormat::OpenSudoku && puzzles == &fifteen) {
                EXPECT_EQ(written.error, "opensudoku holds 9 x 9 puzzles only");
                continue;
            }
            const PuzzleTextRead read = readPuzzleText(written.text);
            ASSERT_TRUE(read.complete()) << format.name << ": " << read.firstProblem();
            ASSERT_EQ(read.puzzles.size(), 2u) << format.name << "\n" << written.text;
            for (std::size_t i = 0; i < 2; ++i) {
                EXPECT_EQ(read.puzzles[i].puzzle.values, (*puzzles)[i].puzzle.values);
                EXPECT_EQ(read.puzzles[i].puzzle.candidates, (*puzzles)[i].puzzle.candidates);
            }
            if (format.format == PuzzleFormat::OpenSudoku) {
                EXPECT_EQ(read.puzzles[0].info, info);
            }
            EXPECT_EQ(writePuzzleText(format.format, read.puzzles).text, written.text)
                << format.name;
        }
    }
    EXPECT_EQ(writePuzzleText(PuzzleFormat::Sdk, nine).text.substr(0, 21),
              "#AAnna\n#Dd\n#Leasy\n#Cc");
    // sdk keeps a game as a SadMan file: cell 2 entered, cell 3 marked with one value.
    for (std::vector<FilePuzzle> games : {nineState, fifteenState}) {
        for (FilePuzzle& game : games) {
            game.entries.assign(game.puzzle.values.size(), 0);
            game.entries[1] = 2;
            game.puzzle.candidates[1] = Mask({2});
            game.puzzle.candidates[2] = Mask({3});
        }
        const PuzzleTextRead read = readPuzzleText(writePuzzleText(PuzzleFormat::Sdk, games).text);
        ASSERT_EQ(read.puzzles.size(), 2u);
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_EQ(read.puzzles[i].entries, games[i].entries);
            EXPECT_EQ(read.puzzles[i].puzzle.candidates, games[i].puzzle.candidates);
        }
    }
}

TEST(PuzzleFormats, Utf16PairsAreDecodedAndBrokenUnitsReplaced) {
    // "a", a lone low surrogate, U+1F600 as a pair, then a high surrogate and one more byte where
    // the text ends (the buffer goes on, as a pair would).
    const std::string bytes(
        "\xFF\xFE"
        "a\0"
        "\x00\xDC"
        "\x3D\xD8\x00\xDE"
        "\x3D\xD8"
        "x\xDC",
        14);
    EXPECT_EQ(utf16AsUtf8(std::string_view(bytes).substr(0, 13)),
              "a\xEF\xBF\xBD\xF0\x9F\x98\x80\xEF\xBF\xBD\xEF\xBF\xBD");
}

struct Malformed {
    const char* what;
    std::string text;
    std::string problem;
};

TEST(PuzzleFormats, RefusesMalformedTextsNamingTheLine) {
    std::string badFifteen = fifteenLine(0);
    badFifteen[19] = 'G';
    const std::string opensudoku = "<?xml version=\"1.0\"?>\n<opensudoku>\n<game data=\"";
    std::string sixteen = "% 16 x 16\n";
    for (int row = 0; row < 16; ++row)
        sixteen += (row % 4 == 0 ? "\n" : "") + std::string("123456789ABCDEFG\n");
    const Malformed cases[] = {
        {"empty", "", "no puzzle found"},
        {"blank and comments", " \n\t\n# nothing\n", "no puzzle found"},
        {"short line", kEasy + "\n\n" + kEasy.substr(1) + "\n", "line 3: 80 cells, expected 81"},
        {"value beyond the grid", badFifteen,
         "line 1: cell r2c5: 16 is not a value of a 15 x 15 grid"},
        {"sdk short row", kEasyRows.substr(0, 20) + kEasyRows.substr(21),
         "line 3: 8 cells, expected 9"},
        {"sdk missing row", kEasyRows.substr(10), "line 8: 8 rows, expected 9"},
        {"sdk extra rows", kEasyRows + "123456789\n123456789\n", "line 10: 11 rows, expected 9"},
        {"sdk value of 15x15", "#Ax\n" + kEasyRows.substr(0, 31) + "A" + kEasyRows.substr(32),
         "line 5: cell r4c2: 10 is not a value of a 9 x 9 grid"},
        {"first row fits no grid", "1234\n", "line 1: 4 cells, expected 9"},
        {"16 x 16 rows", sixteen, "line 3: 16 x 16 grid: only 9 x 9 and 15 x 15 grids are played"},
        {"16 x 16 comma-separated grids one after another", csvRows(std::string(512, '1'), 16),
         "line 1: 16 x 16 grid: only 9 x 9 and 15 x 15 grids are played"},
        {"16 x 16 line", std::string(256, '.'),
         "line 1: 16 x 16 grid: only 9 x 9 and 15 x 15 grids are played"},
        {"candidate line out of place", "5" + std::string(728, '.'),
         "line 1: cell r1c1: '5' in place 1, expected '1' or '.'"},
        {"SadMan state of another size", "[Puzzle]\n" + kEasyRows + "[State]\n" + fifteenLine(0),
         "line 12: 225 cells, expected 9"},
        {"candidate row short", "1 2 3 4 5 6 7 8 9\n12 3 4 5 6 7 8 99\n",
         "line 2: 8 cells, expected 9"},
        {"candidate bad character", "1 2 3 4 5 6 7 8 9\n12 3 4 5 6 7 8 9 1?\n",
         "line 2: cell r2c9: bad character '?'"},
        {"broken XML", opensudoku + kEasy + "\"/>\n</opensudok>\n",
         "line 4: broken XML (Start-end tags mismatch)"},
        {"other XML", "<html>\n</html>", "line 1: <html> is not an opensudoku document"},
        {"opensudoku 15x15", opensudoku + fifteenLine(0) + "\"/></opensudoku>",
         "line 3: 225 cells, expected 81"},
        {"opensudoku game without data", "<opensudoku>\n\n<game/></opensudoku>",
         "line 3: game without data"},
        {"opensudoku without games", "<opensudoku><name>x</name></opensudoku>", "no puzzle found"},
        {"binary junk",
         "\x7f"
         "ELF\x02\x01\x01\x00\x00",
         "line 1: not a text file (byte 0x02)"},
        {"too large", std::string(kMaxPuzzleTextBytes + 1, '.'), "file too large (over 16 MiB)"},
    };
    for (const Malformed& c : cases) {
        const PuzzleTextRead read = readPuzzleText(c.text);
        EXPECT_FALSE(read.complete()) << c.what;
        EXPECT_LE(read.refusedCount, 1) << c.what;
        EXPECT_EQ(read.firstProblem(), c.problem) << c.what;
    }
}

TEST(PuzzleFormats, CollectionsKeepGoodPuzzlesAndCountEveryRefusal) {
    std::string text = kEasy + "\n";
    for (int i = 0; i < 150; ++i)
        text += "12345\n";
    const PuzzleTextRead read = readPuzzleText(text);
    EXPECT_EQ(read.puzzles.size(), 1u);
    EXPECT_EQ(read.refusedCount, 150);
    EXPECT_EQ(read.refusals.size(), kMaxListedRefusals);
    EXPECT_EQ(read.refusals.back().text(), "line 101: 5 cells, expected 81");
}

using PuzzleFiles = testing::TempFolderTest;

TEST_F(PuzzleFiles, AnOverSizeFileIsRefusedFromItsSizeAndAMissingOneByName) {
    const auto huge = folder() / "huge.sdm";
    std::ofstream(huge) << kEasy;
    std::filesystem::resize_file(huge, 100 * 1024 * 1024);  // sparse: nothing is written
    EXPECT_EQ(readPuzzleFile(huge).failure, "file too large (over 16 MiB)");
    EXPECT_EQ(readPuzzleFile(folder() / "gone.sdk").failure, "cannot read gone.sdk");
    std::ofstream(folder() / "one.sdk") << kEasyRows;
    EXPECT_EQ(linesOf(readPuzzleFile(folder() / "one.sdk")), kEasy + "\n");
}

}  // namespace
}  // namespace quorvel
