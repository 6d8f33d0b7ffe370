// What the Database commands do that a session script cannot see: the settings written, drawing
// frozen and an experiment ended around every command, Stop during a generation, and databases
// that cannot be read. The commands' visible behaviour is in tests/session/database_records,
// current_puzzle and generated_puzzle.

#include <filesystem>

#include "engines/create/generate_puzzle.h"
#include "engines/create/level_aim.h"
#include "storage/settings.h"
#include "ui/database_fixture.h"

namespace quorvel::testing {
namespace {

using DatabaseCommandsTest = WindowCommandsTest;

TEST_F(DatabaseCommandsTest, EveryCommandWritesSettingsFreezesAndEndsAnExperiment) {
    int rejections = 0;
    main().commands().setStep(Command::RejectExperiment, [&] {
        ++rejections;
        session().experimentColours = false;
        return true;
    });
    for (Command item : {Command::GetPuzzle, Command::ShowStoredSolution, Command::StoreSolution,
                         Command::SaveIncompletePuzzle, Command::GetIncompletePuzzle,
                         Command::ComputerGeneratedPuzzle}) {
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

// Stop chosen while the progress line shows ends the generation: nothing is stored, the grid is
// blank and open, and the Stop item, Working Hard and the progress line are gone.
TEST_F(DatabaseCommandsTest, StopWhileGeneratingStoresNothing) {
    for (const bool fifteen : {false, true}) {
        if (fifteen) openFifteen();
        const GridKind& kind = fifteen ? kFifteenGrid : kNineGrid;
        for (const bool unique : {false, true}) {
            SCOPED_TRACE(::testing::Message() << kind.side << (unique ? " unique" : ""));
            main().setOption(WindowAction::UniquePuzzlesOnly, unique);
            session().currentLevel = 3;
            const std::string before = readFileBytes(databasePath(kind)).value_or("");
            bool stopShown = false;
            host.onProcessEvents = [&] {
                if (session().stopRequested) return;
                if (!message().starts_with(kAimProgressLead) &&
                    !message().starts_with(kGeneratingRowLead))
                    return;
                stopShown = main().menus().at(WindowAction::Stop).visible;
                main().menuChosen(WindowAction::Stop);
            };
            main().menuChosen(Command::ComputerGeneratedPuzzle);
            host.onProcessEvents = nullptr;
            EXPECT_TRUE(stopShown);
            EXPECT_EQ(readFileBytes(databasePath(kind)).value_or(""), before);
            for (int cell = 1; cell <= kind.cellCount(); ++cell) {
                ASSERT_EQ(active().board().cell(cell).text, "") << cell;
                ASSERT_FALSE(active().board().cell(cell).locked) << cell;
            }
            EXPECT_EQ(message(), "");
            EXPECT_FALSE(session().stopRequested);
            EXPECT_FALSE(main().menus().at(WindowAction::Stop).visible);
            EXPECT_FALSE(main().workingHard().visible);
        }
    }
}

TEST_F(DatabaseCommandsTest, UnreadableDatabaseIsToldAndNothingChanges) {
    show(std::string(81, '.'));
    active().setCellValue(1, "5");
    // A folder in place of the file: it can be neither read nor replaced.
    std::filesystem::remove(databasePath(kNineGrid));
    std::filesystem::create_directories(databasePath(kNineGrid) / "blocked");
    for (Command item : {Command::GetIncompletePuzzle, Command::SaveIncompletePuzzle}) {
        main().showMessage("", colour::kWhite, Alignment::Centre);
        main().menuChosen(item);
        EXPECT_NE(message().find("type3.pxz"), std::string::npos) << message();
        EXPECT_EQ(main().messageLine().colour, colour::kRed);
        EXPECT_EQ(active().board().cell(1).text, "5");
    }
    // An incomplete record that cannot be read is called invalid, not missing.
    std::filesystem::remove_all(databasePath(kNineGrid));
    ASSERT_FALSE(writeBack(Database{
        databasePath(kNineGrid), kNineGrid, {"Quorvel@@@@@@", "[]32000[]3[]1[],1,2#,3[]8[]0"}}));
    host.dialogTitles.clear();
    main().menuChosen(Command::GetIncompletePuzzle);
    EXPECT_EQ(host.dialogTitles, std::vector<std::string>{"Invalid Data."});
    EXPECT_EQ(active().board().cell(1).text, "5");
}

}  // namespace
}  // namespace quorvel::testing
