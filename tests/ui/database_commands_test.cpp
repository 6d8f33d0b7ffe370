// The Database menu on both grid windows: Get Puzzle, Show Solution, Store Solution, Save and
// Get Incomplete Puzzle, Delete Puzzle and Computer Generated Puzzle, with their edge cases.

#include <algorithm>
#include <fstream>

#include "create/headless_generation.h"
#include "create/level_aim.h"
#include "logic/puzzle_rating.h"
#include "solver/solution_count.h"
#include "storage/cell_lists.h"
#include "storage/puzzle_record.h"
#include "storage/settings.h"
#include "storage/text_records.h"
#include "ui/commands/grade_and_save_command.h"
#include "ui/database_fixture.h"

namespace quorvel::testing {
namespace {

constexpr MenuRef kGetPuzzle{MenuArray::Database, 0};
constexpr MenuRef kShowSolution{MenuArray::Database, 1};
constexpr MenuRef kStoreSolution{MenuArray::Database, 2};
constexpr MenuRef kSaveIncomplete{MenuArray::Database, 4};
constexpr MenuRef kGetIncomplete{MenuArray::Database, 5};
constexpr MenuRef kDelete{MenuArray::Database, 7};
constexpr MenuRef kGenerate{MenuArray::Database, 9};

// A generated puzzle and its solution (index 0 is cell 1, 0 = empty).
struct Sample {
    std::vector<int> givens;
    std::vector<int> solution;
};

Sample sample(const GridKind& kind, int seed) {
    SeededRandom random(static_cast<std::uint64_t>(seed));
    GeneratedPuzzle made = GeneratePuzzle(kind, 2, random);
    return {made.puzzle, made.solution};
}

std::string list(const std::vector<int>& values) {
    std::vector<std::string> entries;
    for (int value : values)
        entries.push_back(value == 0 ? "" : std::to_string(value));
    return JoinCellList(entries);
}

std::string record(const GridKind& kind, int number, int level, const Sample& puzzle,
                   int recordKind = kKindStored) {
    return FormatRecord({number, kind.sizeCode, level,
                         list(puzzle.givens) + "#" + list(puzzle.solution), recordKind, ""});
}

class DatabaseCommandsTest : public WindowCommandsTest,
                             public ::testing::WithParamInterface<const GridKind*> {
  protected:
    const GridKind& kind() const { return *GetParam(); }
    void SetUp() override {
        if (!kind().isNine()) openFifteen();
        for (int seed = 1; seed <= 3; ++seed)
            samples.push_back(sample(kind(), seed));
    }
    void writeDatabase(const std::vector<std::string>& records) {
        Database database{databasePath(kind()), kind(), {"Quorvel@@@@@@"}};
        database.lines.insert(database.lines.end(), records.begin(), records.end());
        ASSERT_FALSE(WriteBack(database).has_value());
    }
    // Level 1: numbers 1 (pre-defined) and 3; level 2: number 2.
    void writeStandardDatabase() {
        writeDatabase({record(kind(), 1, 1, samples[0], kKindPredefined),
                       record(kind(), 2, 2, samples[1]), record(kind(), 3, 1, samples[2])});
    }
    std::vector<int> shown() { return shownValues(active().board()); }
    std::vector<int> lockedValues() {
        std::vector<int> values;
        for (int cell = 1; cell <= active().board().cellCount(); ++cell)
            values.push_back(active().board().cell(cell).locked ? active().board().shownValue(cell)
                                                                : 0);
        return values;
    }
    std::vector<std::string> records() {
        std::vector<std::string> lines = database(kind()).lines;
        if (!lines.empty()) lines.erase(lines.begin());
        return lines;
    }
    std::optional<PuzzleRecord> numbered(int number) {
        for (const std::string& line : records()) {
            auto read = ReadRecord(line, kind());
            if (read && read->number == number) return read;
        }
        return std::nullopt;
    }
    bool dialogShown(const std::string& title) {
        return std::find(host.dialogTitles.begin(), host.dialogTitles.end(), title) !=
               host.dialogTitles.end();
    }
    void fillSolution(const Sample& puzzle) {
        for (int cell = 1; cell <= active().board().cellCount(); ++cell)
            if (!active().board().cell(cell).locked)
                active().setCellValue(cell, std::to_string(puzzle.solution[cell - 1]));
    }

    std::vector<Sample> samples;
};

TEST_P(DatabaseCommandsTest, GetPuzzleFindsTheOrdinalOfTheLevelAndLocksItsGivens) {
    writeStandardDatabase();
    struct Case {
        int level;
        std::string answer;
        int expectedNumber;
        std::string caption;
    };
    const Case cases[] = {{1, "2", 3, "Puzzle No : 2 of 2"},
                          {2, "1", 2, "Puzzle No : 1 of 1"},
                          {1, "40000", 3, "Puzzle No : 2 of 2"},
                          {1, "1", 1, "Puzzle No : 1 of 2"},
                          {1, "7", 3, "Puzzle No : 2 of 2"}};
    for (const Case& get : cases) {
        SCOPED_TRACE(get.answer);
        answerPuzzle(get.level, get.answer);
        main().menuChosen(kGetPuzzle);
        const Sample& expected = samples[static_cast<std::size_t>(get.expectedNumber - 1)];
        EXPECT_EQ(session().puzzleNumber, get.expectedNumber);
        EXPECT_EQ(lockedValues(), expected.givens);
        EXPECT_EQ(shown(), expected.givens);
        EXPECT_EQ(active().puzzleNumberLabel(), get.caption);
        EXPECT_TRUE(main().menus().at(kDelete).enabled);
        EXPECT_TRUE(main().menus().at({MenuArray::Top, 3}).enabled);
        EXPECT_TRUE(main().toolbar().at(19).enabled);
        EXPECT_TRUE(main().elapsedTimerRunning());
    }
    // Cancelled: nothing loads, the elapsed time still starts from zero.
    const std::vector<int> before = shown();
    session().bankedElapsed = 0.5;
    answerCancel();
    main().menuChosen(kGetPuzzle);
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(session().bankedElapsed, 0);
    EXPECT_TRUE(main().elapsedTimerRunning());
}

TEST_P(DatabaseCommandsTest, StoreSolutionRefusesReplacesOrAppends) {
    writeStandardDatabase();
    // Incomplete grid: refused in red, nothing written.
    answerPuzzle(1, "1");
    main().menuChosen(kGetPuzzle);
    const auto before = records();
    answerGrade(3);
    main().menuChosen(kStoreSolution);
    EXPECT_EQ(message(), "Cannot save an incomplete solution.");
    EXPECT_EQ(main().messageLine().colour, colour::kRed);
    EXPECT_EQ(records(), before);

    // The pre-defined puzzle solved: its record is replaced, Kind 1 kept, the grade written.
    main().menuChosen(kShowSolution);
    EXPECT_EQ(shown(), samples[0].solution);
    answerGrade(3);
    main().menuChosen(kStoreSolution);
    ASSERT_TRUE(numbered(1));
    EXPECT_EQ(numbered(1)->kind, kKindPredefined);
    EXPECT_EQ(numbered(1)->level, 3);
    EXPECT_EQ(records().size(), before.size());

    // New givens: appended numbered above the highest, Kind 9.
    const Sample fresh = sample(kind(), 9);
    show(formatPuzzleLine(kind(), fresh.givens));
    fillSolution(fresh);
    answerGrade(4);
    main().menuChosen(kStoreSolution);
    ASSERT_TRUE(numbered(4));
    EXPECT_EQ(numbered(4)->kind, kKindStored);
    EXPECT_EQ(numbered(4)->level, 4);
    EXPECT_EQ(session().puzzleNumber, 4);
    EXPECT_EQ(message(), "Stored: Very Hard No. 4");
}

TEST_P(DatabaseCommandsTest, IncompletePuzzleIsSavedOnceAndResumed) {
    writeStandardDatabase();
    answerPuzzle(2, "1");
    main().menuChosen(kGetPuzzle);
    std::vector<int> entries = samples[1].givens;
    int entered = 0;
    for (int cell = 1; cell <= active().board().cellCount() && entered < 3; ++cell) {
        if (entries[cell - 1] != 0) continue;
        entries[cell - 1] = samples[1].solution[cell - 1];
        active().setCellValue(cell, std::to_string(entries[cell - 1]));
        ++entered;
    }
    session().elapsedShown = 0.25;
    main().menuChosen(kSaveIncomplete);
    session().elapsedShown = 0.125;
    main().menuChosen(kSaveIncomplete);
    const auto saved = records();
    EXPECT_EQ(std::count_if(saved.begin(), saved.end(),
                            [](auto& line) { return RecordNumber(line) == kIncompletePuzzleNo; }),
              1);

    EXPECT_EQ(message(), "Stored: incomplete puzzle, Easy");
    show(formatPuzzleLine(kind(), samples[0].givens));
    main().menuChosen(kGetIncomplete);
    EXPECT_EQ(active().puzzleNumberLabel(), "Incomplete Puzzle");
    EXPECT_EQ(shown(), entries);
    EXPECT_EQ(lockedValues(), samples[1].givens);
    EXPECT_DOUBLE_EQ(session().bankedElapsed, 0.125);

    // A complete grid is not saved as incomplete.
    fillSolution(samples[1]);
    main().menuChosen(kSaveIncomplete);
    EXPECT_TRUE(dialogShown("Quorvel"));
    EXPECT_EQ(records(), saved);
}

TEST_P(DatabaseCommandsTest, GetIncompleteWithoutAUsableRecordChangesNothing) {
    struct Case {
        std::string incompleteLine;  // "" for none
        std::string title;
    };
    const Case cases[] = {
        {"", "Quorvel"},
        {"[]32000[]" + std::to_string(kind().sizeCode) + "[]1[],1,2#,3[]8[]0", "Invalid Data."}};
    for (const Case& get : cases) {
        std::vector<std::string> lines = {record(kind(), 1, 1, samples[0])};
        if (!get.incompleteLine.empty()) lines.push_back(get.incompleteLine);
        writeDatabase(lines);
        show(formatPuzzleLine(kind(), samples[2].givens));
        host.dialogTitles.clear();
        main().menuChosen(kGetIncomplete);
        EXPECT_EQ(shown(), samples[2].givens);
        EXPECT_EQ(host.dialogTitles, std::vector<std::string>{get.title});
    }
}

TEST_P(DatabaseCommandsTest, DeletePuzzleRefusesPredefinedAsksAndRemoves) {
    writeStandardDatabase();
    // Pre-defined: refused, the current puzzle is forgotten.
    answerPuzzle(1, "1");
    main().menuChosen(kGetPuzzle);
    main().menuChosen(kDelete);
    EXPECT_TRUE(dialogShown("Delete puzzle."));
    EXPECT_EQ(session().puzzleNumber, 0);
    EXPECT_TRUE(numbered(1));

    // Confirmation cancelled: "Nothing to do!", the record stays.
    answerPuzzle(1, "2");
    main().menuChosen(kGetPuzzle);
    host.dialogTitles.clear();
    answerCancel();
    main().menuChosen(kDelete);
    EXPECT_EQ(host.dialogTitles, (std::vector<std::string>{"Delete puzzle.", "Quorvel"}));
    EXPECT_TRUE(numbered(3));
    EXPECT_FALSE(main().menus().at(kDelete).enabled);

    // Confirmed: removed, the grid blank, Delete disabled again.
    answerPuzzle(1, "2");
    main().menuChosen(kGetPuzzle);
    std::string prompt;
    answer([&prompt](InputDialog& dialog) {
        prompt = dialog.prompt();
        dialog.okClicked();
    });
    main().menuChosen(kDelete);
    EXPECT_EQ(prompt, "Easy Puzzle : Number - 2");
    EXPECT_EQ(message(), "Deleted: Easy No. 3");
    EXPECT_FALSE(numbered(3));
    EXPECT_EQ(records().size(), 2u);
    EXPECT_EQ(shown(), std::vector<int>(kind().cellCount(), 0));
    EXPECT_EQ(session().puzzleNumber, 0);
    EXPECT_FALSE(main().menus().at(kDelete).enabled);
}

TEST_P(DatabaseCommandsTest, ShowStoredSolutionShowsOnlyTheStoredValues) {
    Sample givensOnly = samples[0];
    givensOnly.solution = givensOnly.givens;
    writeDatabase({record(kind(), 1, 1, givensOnly)});
    main().menuChosen(kShowSolution);  // no current puzzle: said so, nothing shown
    EXPECT_EQ(message(), "There is no stored solution for this grid.");
    EXPECT_EQ(shown(), std::vector<int>(kind().cellCount(), 0));
    answerPuzzle(1, "1");
    main().menuChosen(kGetPuzzle);
    main().menuChosen(kShowSolution);
    EXPECT_EQ(shown(), samples[0].givens);
}

TEST_P(DatabaseCommandsTest, TheCurrentPuzzleEndsWhenTheGridStopsShowingIt) {
    const GridKind& other = kind().isNine() ? kFifteenGrid : kNineGrid;
    const std::filesystem::path textFile = folder / "other.txt";
    const Sample imported = sample(kind(), 9);
    std::vector<ExportCell> cells;
    for (int cell = 1; cell <= kind().cellCount(); ++cell) {
        const int given = imported.givens[cell - 1];
        cells.push_back({given ? std::to_string(given) : "", given != 0});
    }
    ASSERT_FALSE(WriteExportFile(textFile, kind(), 1, cells).has_value());
    const auto typeIntoOpenCell = [this] {
        for (int cell = 1;; ++cell) {
            if (active().board().cell(cell).locked) continue;
            active().setCellValue(cell, std::to_string(samples[2].solution[cell - 1]));
            return;
        }
    };
    struct Case {
        const char* what;
        std::function<void()> act;
        bool ends;
    };
    const Case cases[] = {
        {"Lock Grid as loaded", [this] { main().setPuzzleItemClicked(1); }, false},
        {"Blank Grid", [this] { main().setPuzzleItemClicked(0); }, true},
        {"Lock Grid of a typed puzzle",
         [&] {
             typeIntoOpenCell();
             main().setPuzzleItemClicked(1);
         },
         true},
        {"Unlock Grid", [this] { main().setPuzzleItemClicked(2); }, true},
        {"other grid and back",
         [&] {
             main().puzzleGridItemClicked(other.isNine() ? 0 : 1);
             main().puzzleGridItemClicked(kind().isNine() ? 0 : 1);
         },
         true},
        {"Import",
         [&] {
             host.fileChoices.push_back(textFile.string());
             main().puzzleGridItemClicked(6);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeStandardDatabase();
        answerPuzzle(1, "2");
        main().menuChosen(kGetPuzzle);
        c.act();
        EXPECT_EQ(session().puzzleNumber, c.ends ? 0 : 3);
        EXPECT_EQ(main().menus().at(kDelete).enabled, !c.ends);
        if (!c.ends) continue;
        const std::vector<int> before = shown();
        main().menuChosen(kShowSolution);
        EXPECT_EQ(message(), "There is no stored solution for this grid.");
        EXPECT_EQ(shown(), before);
        // Nothing without givens is stored, and Delete has nothing to name.
        main().setPuzzleItemClicked(0);
        fillSolution(samples[2]);
        const auto stored = records();
        answerGrade(1);
        main().menuChosen(kStoreSolution);
        EXPECT_EQ(message(), "Cannot save a puzzle without givens.");
        EXPECT_FALSE(gradeAndSave(active(), main(), app->dialogs(), false));
        main().menuChosen(kDelete);
        EXPECT_EQ(records(), stored);
    }
}

TEST_P(DatabaseCommandsTest, UnreadableDatabaseIsNamedInRedAndNothingChanges) {
    std::filesystem::create_directories(databasePath(kind()) / "blocked");
    show(formatPuzzleLine(kind(), samples[0].givens));
    fillSolution(samples[0]);
    const auto before = shown();
    for (const MenuRef item : {kGetIncomplete, kStoreSolution}) {
        answerGrade(1);
        main().menuChosen(item);
        EXPECT_NE(message().find(std::string(DatabaseFileName(kind()))), std::string::npos);
        EXPECT_EQ(main().messageLine().colour, colour::kRed);
        EXPECT_EQ(shown(), before);
    }
}

TEST_P(DatabaseCommandsTest, EveryCommandWritesSettingsFreezesAndEndsAnExperiment) {
    int rejections = 0;
    main().commands().setStep(Command::RejectExperiment, [&] {
        ++rejections;
        session().experimentColours = false;
        return true;
    });
    for (const MenuRef item :
         {kGetPuzzle, kShowSolution, kStoreSolution, kSaveIncomplete, kGetIncomplete, kGenerate}) {
        std::filesystem::remove(folder / std::string(kSettingsFileName));
        host.freezeCalls.clear();
        session().experimentColours = true;
        main().menuChosen(item);
        EXPECT_TRUE(std::filesystem::exists(folder / std::string(kSettingsFileName)));
        ASSERT_FALSE(host.freezeCalls.empty());
        EXPECT_TRUE(host.freezeCalls.front());
        EXPECT_FALSE(host.freezeCalls.back());
        EXPECT_FALSE(session().experimentColours);
    }
    EXPECT_EQ(rejections, 6);
}

TEST_P(DatabaseCommandsTest, GeneratedPuzzleIsSymmetricStoredAndLocked) {
    const int counts[2][4] = {{32, 30, 28, 26}, {116, 114, 110, 106}};
    const int n = kind().cellCount();
    // Unique Puzzles Only makes the puzzle unique and aims it at the level by its rating.
    for (int level = 1; level <= 4; ++level) {
        const bool uniqueOnly = level % 2 == 0;
        main().setUniquePuzzlesOnly(uniqueOnly);
        SCOPED_TRACE(level);
        session().currentLevel = level;
        // An earlier Save Incomplete leaves IncompleteMode on; the puzzle is stored all the same.
        session().incompleteMode = true;
        const std::size_t before = records().size();
        main().menuChosen(kGenerate);
        const std::vector<int> givens = lockedValues();
        const int locked = static_cast<int>(
            std::count_if(givens.begin(), givens.end(), [](int value) { return value != 0; }));
        const int expected = counts[kind().isNine() ? 0 : 1][level - 1];
        const bool centre = givens[(n + 1) / 2 - 1] != 0;
        if (uniqueOnly) {
            EXPECT_EQ(countSolutions(kind(), givens, 2).count, 1);
            const logic::PuzzleRating rating = logic::ratePuzzle(kind(), givens);
            if (rating.level != level) {
                EXPECT_EQ(message(), aimMissedText(level, rating));
            }
            EXPECT_FALSE(message().starts_with(kAimProgressLead)) << message();
        } else {
            EXPECT_EQ(locked, centre ? expected - 1 : expected);
        }
        for (int cell = 1; cell <= n; ++cell)
            EXPECT_EQ(givens[cell - 1] != 0, givens[n - cell] != 0) << cell;
        EXPECT_EQ(shown(), givens);
        ASSERT_EQ(records().size(), before + 1);
        const auto stored = ReadRecord(records().back(), kind());
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->kind, kKindComposed);
        EXPECT_EQ(stored->level, level);
        EXPECT_EQ(GivensList(stored->cellText), list(givens));
        EXPECT_FALSE(main().menus().at({MenuArray::Top, 8}).visible);
        EXPECT_FALSE(main().workingHard().visible);
        EXPECT_TRUE(main().toolbar().at(19).enabled);
    }
}

// Stop chosen while the puzzle is aimed at its level ends the generation: nothing is stored, the
// grid is blank and unlocked, and the Stop item, Working Hard and the progress line are gone.
TEST_P(DatabaseCommandsTest, StopWhileAimingAtTheLevelStoresNothing) {
    main().setUniquePuzzlesOnly(true);
    for (int level = 1; level <= 4; ++level) {
        SCOPED_TRACE(level);
        session().currentLevel = level;
        const std::size_t before = records().size();
        bool stopShown = false;
        host.onProcessEvents = [&] {
            if (!message().starts_with(kAimProgressLead) || session().stopRequested) return;
            stopShown = main().menus().at({MenuArray::Top, 8}).visible;
            main().menuChosen({MenuArray::Top, 8});
        };
        main().menuChosen(kGenerate);
        host.onProcessEvents = nullptr;
        EXPECT_TRUE(stopShown);
        EXPECT_EQ(records().size(), before);
        for (int cell = 1; cell <= kind().cellCount(); ++cell) {
            ASSERT_EQ(active().board().cell(cell).text, "") << cell;
            ASSERT_FALSE(active().board().cell(cell).locked) << cell;
        }
        EXPECT_EQ(message(), "");
        EXPECT_FALSE(session().stopRequested);
        EXPECT_FALSE(main().menus().at({MenuArray::Top, 8}).visible);
        EXPECT_FALSE(main().workingHard().visible);
    }
}

INSTANTIATE_TEST_SUITE_P(BothGrids, DatabaseCommandsTest,
                         ::testing::Values(&kNineGrid, &kFifteenGrid), [](const auto& info) {
                             return info.param->isNine() ? "NineGrid" : "FifteenGrid";
                         });

}  // namespace
}  // namespace quorvel::testing
