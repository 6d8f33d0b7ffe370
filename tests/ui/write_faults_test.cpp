// Every command that writes a data file, run while the file system fails the way the operating
// system can: the user is told which file and why, the old file stays as it was, no temporary
// file is left behind, and what the program holds in memory still matches the disk.

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "application/session/script_session.h"
#include "application/shell/about_window.h"
#include "engines/create/generated_puzzle.h"
#include "storage/cell_lists.h"
#include "storage/file_system.h"
#include "storage/play_statistics.h"
#include "storage/program_options.h"
#include "storage/settings.h"
#include "storage/text_records.h"
#include "support/failing_file_system.h"
#include "ui/database_fixture.h"

namespace quorvel::testing {
namespace {

namespace fs = std::filesystem;

std::string list(const std::vector<int>& values) {
    std::vector<std::string> entries;
    for (int value : values)
        entries.push_back(value == 0 ? "" : std::to_string(value));
    return joinCellList(entries);
}

struct WriteFaultsTest : WindowCommandsTest {
    using WindowCommandsTest::active, WindowCommandsTest::answerGrade, WindowCommandsTest::answerOk,
        WindowCommandsTest::folder, WindowCommandsTest::host, WindowCommandsTest::main,
        WindowCommandsTest::app, WindowCommandsTest::session;

    GeneratedPuzzle puzzle = [] {
        SeededRandom random(5);
        return generatePuzzle(kNineGrid, 2, random);
    }();

    // Two level 1 records of the same generated puzzle, stored and composed.
    void writeDatabase() {
        Database database{databasePath(kNineGrid), kNineGrid, {"Quorvel@@@@@@"}};
        const std::string cells = list(puzzle.puzzle) + "#" + list(puzzle.solution);
        appendRecord(database, formatRecord({1, 3, 1, cells, kKindStored, ""}));
        appendRecord(database, formatRecord({2, 3, 1, cells, kKindComposed, ""}));
        ASSERT_FALSE(writeBack(database).has_value());
    }
    void getPuzzle(int ordinal) {
        answerPuzzle(1, std::to_string(ordinal));
        main().menuChosen(Command::GetPuzzle);
        ASSERT_EQ(session().puzzleNumber, ordinal);
    }
    void fillSolution() {
        for (int cell = 1; cell <= 81; ++cell)
            if (!active().board().cell(cell).locked)
                active().setCellValue(cell, std::to_string(puzzle.solution[cell - 1]));
    }
    // Notes 1 and 2 in the last empty cell.
    void noteLastEmptyCell() {
        int cell = 81;
        while (!active().board().cell(cell).text.empty())
            --cell;
        active().setNotes(cell, 0b110);
    }
    fs::path exportFile() const { return folder / "puzzle.txt"; }

    // What the program holds about a file: for the settings file the settings it would write;
    // for the others the stored puzzle it shows and the grid's givens.
    std::string memory(const std::string& file) {
        if (file == kSettingsFileName) return formatSettings(main().settings());
        if (file == kOptionsFileName) {
            return formatProgramOptions(main().options()) +
                   std::to_string(main().menus().at(WindowAction::UniquePuzzlesOnly).checked) +
                   std::to_string(main().menus().at(WindowAction::RemoveNotesOnEntry).checked) +
                   std::to_string(main().menus().at(WindowAction::Zoom150).checked) +
                   std::to_string(main().menus().at(WindowAction::ThemeDark).checked);
        }
        std::ostringstream out;
        const ProgramState& s = session();
        out << s.puzzleNumber << ' ' << s.lastPuzzleNumber << ' ' << s.puzzleKind << ' '
            << s.puzzleCells << ' ' << active().puzzleNumberLabel() << '\n';
        for (int cell = 1; cell <= active().board().cellCount(); ++cell)
            out << (active().board().cell(cell).locked ? 'L' : '.');
        return out.str();
    }
    std::string bytes(const std::string& file) {
        return readFileBytes(folder / file).value_or("<missing>");
    }
    // Names of the temporary files (".name.tmp-...") in the folder.
    std::vector<std::string> temporaries() {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().filename().string().starts_with(".")) found.push_back(entry.path());
        return found;
    }
};

struct WritePath {
    const char* name;
    const char* file;  // the file the command writes
    void (*prepare)(WriteFaultsTest&);
    void (*run)(WriteFaultsTest&);
    // What must not change, where it is not WriteFaultsTest::memory (a command that shows a new
    // grid whether or not it could store it).
    std::string (*memory)(WriteFaultsTest&) = nullptr;
};

const WritePath kWritePaths[] = {
    {"Computer Generated Puzzle", "type3.pxz", [](WriteFaultsTest&) {},
     [](WriteFaultsTest& t) { t.main().menuChosen(Command::ComputerGeneratedPuzzle); },
     // The new puzzle shows, but no stored record is claimed for it.
     [](WriteFaultsTest& t) {
         return std::to_string(t.session().lastPuzzleNumber) + " " +
                std::to_string(t.session().puzzleNumber);
     }},
    {"Save Puzzle As", "saved.sdk",
     [](WriteFaultsTest& t) {
         ASSERT_FALSE(replaceFileAtomically(t.folder / "saved.sdk", "an earlier save"));
         t.getPuzzle(1);
     },
     [](WriteFaultsTest& t) {
         t.host.fileChoices.push_back((t.folder / "saved.sdk").string());
         t.main().runMenuItem(Command::SavePuzzleAs);
     }},
    {"Store Solution", "type3.pxz",
     [](WriteFaultsTest& t) {
         t.getPuzzle(1);
         t.fillSolution();
     },
     [](WriteFaultsTest& t) {
         t.answerOk();
         t.main().menuChosen(Command::StoreSolution);
     }},
    {"Save Incomplete Puzzle", "type3.pxz",
     [](WriteFaultsTest& t) {
         t.getPuzzle(1);
         t.active().setCellValue(t.puzzle.puzzle[0] == 0 ? 1 : 2, "5");
     },
     [](WriteFaultsTest& t) { t.main().menuChosen(Command::SaveIncompletePuzzle); }},
    {"Get Puzzle over unsaved entries (kept game)", "QuorvelResume.txt",
     [](WriteFaultsTest& t) {
         t.getPuzzle(1);
         t.active().setCellValue(t.puzzle.puzzle[0] == 0 ? 1 : 2, "5");
     },
     [](WriteFaultsTest& t) { t.main().menuChosen(Command::GetPuzzle); }},
    {"Quit over unsaved entries (kept games)", "QuorvelResume.txt",
     [](WriteFaultsTest& t) {
         t.getPuzzle(1);
         t.active().setCellValue(t.puzzle.puzzle[0] == 0 ? 1 : 2, "5");
     },
     [](WriteFaultsTest& t) {
         t.host.aboutScripts.push_back([](AboutWindow& about) { about.exitAnswerClicked(0); });
         t.main().Quit();
     }},
    {"Save Incomplete Puzzle (notes)", "type3-notes.txt",
     [](WriteFaultsTest& t) {
         t.getPuzzle(1);
         t.noteLastEmptyCell();
     },
     [](WriteFaultsTest& t) { t.main().menuChosen(Command::SaveIncompletePuzzle); }},
    {"Delete Puzzle", "type3.pxz", [](WriteFaultsTest& t) { t.getPuzzle(2); },
     [](WriteFaultsTest& t) {
         t.answerOk();
         t.main().menuChosen(Command::DeletePuzzle);
     }},
    {"Grade and Save", "type3.pxz",
     [](WriteFaultsTest& t) {
         t.main().setOption(WindowAction::UniquePuzzlesOnly,
                            false);  // the generated puzzle need not be unique
         for (int cell = 1; cell <= 81; ++cell) {
             t.active().setCellValue(cell, std::to_string(t.puzzle.solution[cell - 1]));
             if (t.puzzle.puzzle[cell - 1] != 0)
                 t.active().board().setCellColours(cell, kEntryBlue, kMarkedBack);
         }
     },
     [](WriteFaultsTest& t) {
         t.answerGrade(3);
         t.main().runMenuItem(Command::SaveOwnPuzzle);
     }},
    {"Import Text File", "type3.pxz",
     [](WriteFaultsTest& t) {
         const std::string cells = list(t.puzzle.puzzle) + "#" + list(t.puzzle.solution);
         ASSERT_FALSE(writeDataFile(t.folder / "in.txt", "batch\r\n[]1[]3[]2[]" + cells));
     },
     [](WriteFaultsTest& t) {
         t.host.fileChoices.push_back((t.folder / "in.txt").string());
         t.answerOk();
         t.main().runMenuItem(Command::ImportTextFile);
     }},
    {"Import Collection", "type3.pxz",
     [](WriteFaultsTest& t) {
         std::ofstream(t.folder / "in.sdm")
             << "3.7.4...........918........4.....7.....16.......25..........38..9....5...2.6.....";
     },
     [](WriteFaultsTest& t) {
         t.host.fileChoices.push_back((t.folder / "in.sdm").string());
         t.main().menuChosen(Command::ImportCollection);
     }},
    {"Create Text File", "puzzle.txt",
     [](WriteFaultsTest& t) {
         ASSERT_FALSE(writeDataFile(t.exportFile(), "an earlier export"));
         t.getPuzzle(1);
     },
     [](WriteFaultsTest& t) {
         t.host.fileChoices.push_back(t.exportFile().string());
         t.main().runMenuItem(Command::CreateTextFile);
     }},
    {"Possibilities Tip (settings)", "DaDododa.pxz", [](WriteFaultsTest&) {},
     [](WriteFaultsTest& t) { t.main().menuChosen(Command::ShowPossibilitiesTip); }},
    {"Unique Puzzles Only (options)", "QuorvelOptions.txt", [](WriteFaultsTest&) {},
     [](WriteFaultsTest& t) { t.main().menuChosen(WindowAction::UniquePuzzlesOnly); }},
    {"Remove Notes On Entry (options)", "QuorvelOptions.txt", [](WriteFaultsTest&) {},
     [](WriteFaultsTest& t) { t.main().menuChosen(WindowAction::RemoveNotesOnEntry); }},
    {"Zoom (options)", "QuorvelOptions.txt", [](WriteFaultsTest&) {},
     [](WriteFaultsTest& t) { t.main().menuChosen(WindowAction::Zoom150); }},
    {"Theme (options)", "QuorvelOptions.txt", [](WriteFaultsTest&) {},
     [](WriteFaultsTest& t) { t.main().menuChosen(WindowAction::ThemeDark); }},
    {"Get Puzzle (statistics)", "QuorvelStatistics.txt", [](WriteFaultsTest& t) { t.getPuzzle(1); },
     [](WriteFaultsTest& t) { t.getPuzzle(2); },
     [](WriteFaultsTest& t) { return formatPlayStatistics(t.main().statistics().record()); }},
    {"Store S2 (settings)", "DaDododa.pxz", [](WriteFaultsTest& t) { t.getPuzzle(1); },
     [](WriteFaultsTest& t) {
         t.answerOk();
         t.app->aids().nineControls().storeLabelClicked(3);
     }},
    {"Store S2 (notes)", "QuorvelStoreNotes.txt",
     [](WriteFaultsTest& t) {
         t.getPuzzle(1);
         t.noteLastEmptyCell();
     },
     [](WriteFaultsTest& t) {
         t.answerOk();
         t.app->aids().nineControls().storeLabelClicked(3);
     },
     // Nothing is stored: the settings keep their slots.
     [](WriteFaultsTest& t) { return t.bytes(std::string(kSettingsFileName)); }},
    {"Store Incomplete Effort (settings)", "DaDododa.pxz",
     [](WriteFaultsTest& t) {
         t.active().setCellValue(1, "4");
         t.active().board().setCellColours(1, kEntryBlue, kMarkedBack);
     },
     [](WriteFaultsTest& t) {
         t.answerGrade(2);
         t.main().runMenuItem(Command::StoreIncompleteEffort);
     }},
};

using WriteFault = std::tuple<WritePath, std::pair<Failure, int>>;

struct EveryWriteFault : WriteFaultsTest, ::testing::WithParamInterface<WriteFault> {};

TEST_P(EveryWriteFault, IsToldAndChangesNothing) {
    const WritePath& path = std::get<0>(GetParam());
    const auto [failure, code] = std::get<1>(GetParam());
    writeDatabase();
    path.prepare(*this);
    main().showMessage("", colour::kWhite, Alignment::Centre);
    const std::string bytesBefore = bytes(path.file);
    const auto held = [&] { return path.memory ? path.memory(*this) : memory(path.file); };
    const std::string memoryBefore = held();
    {
        FailingFileSystem failing(path.file, failure);
        FileSystemOverride override(failing);
        path.run(*this);
    }
    EXPECT_EQ(main().messageLine().colour, colour::kRed);
    EXPECT_NE(message().find(path.file), std::string::npos) << message();
    EXPECT_NE(message().find(std::strerror(code)), std::string::npos) << message();
    EXPECT_TRUE(bytes(path.file) == bytesBefore) << path.file << " changed";
    EXPECT_EQ(temporaries(), std::vector<std::string>{});
    EXPECT_EQ(held(), memoryBefore);
}

// Print into a PDF file, as the scripted session prints (the program without a printer writes
// its page through the same seam: tests/view/platform_layers.cpp).
TEST_F(WriteFaultsTest, PrintedPageIsToldAndChangesNothing) {
    const fs::path file = folder / "page.pdf";
    ASSERT_FALSE(replaceFileAtomically(file, "an earlier page"));
    for (const auto& [failure, code] : kFailures) {
        FailingFileSystem failing("page.pdf", failure);
        FileSystemOverride override(failing);
        std::ostringstream dumps;
        ScriptSession printing(folder, dumps);
        std::istringstream script("print page.pdf\nmenu Puzzle Grid > Print\n");
        const std::optional<ScriptError> error = printing.run(script);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->what,
                  "Could not save page.pdf (" + std::string(std::strerror(code)) + ")");
        EXPECT_EQ(bytes("page.pdf"), "an earlier page");
        EXPECT_EQ(temporaries(), std::vector<std::string>{});
    }
}

// Print Booklet into the PDF file the user names.
TEST_F(WriteFaultsTest, BookletIsToldAndChangesNothing) {
    writeDatabase();
    ASSERT_FALSE(replaceFileAtomically(folder / "booklet.pdf", "an earlier booklet"));
    for (const auto& [failure, code] : kFailures) {
        FailingFileSystem failing("booklet.pdf", failure);
        FileSystemOverride override(failing);
        std::ostringstream dumps;
        ScriptSession printing(folder, dumps);
        std::istringstream script(
            "menu Puzzle Grid > Print Booklet...\nanswer PDF File\nanswer OK\nfile booklet.pdf\n");
        ASSERT_FALSE(printing.run(script).has_value());
        EXPECT_EQ(printing.program().mainWindow().messageLine().text,
                  "Could not save booklet.pdf (" + std::string(std::strerror(code)) + ")");
        EXPECT_EQ(bytes("booklet.pdf"), "an earlier booklet");
        EXPECT_EQ(temporaries(), std::vector<std::string>{});
    }
}

INSTANTIATE_TEST_SUITE_P(WritePathTimesFailure, EveryWriteFault,
                         ::testing::Combine(::testing::ValuesIn(kWritePaths),
                                            ::testing::ValuesIn(kFailures)),
                         [](const ::testing::TestParamInfo<WriteFault>& info) {
                             std::string name = std::get<0>(info.param).name;
                             name +=
                                 std::string("_") + std::strerror(std::get<1>(info.param).second);
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
}  // namespace quorvel::testing
