// The Assist Solve commands as no scripted session sees them: while they run (the busy guards,
// Stop, the Get Next button, the throttled progress line), the cells Check Puzzle and Show
// Mistakes mark until the next command, and Database > Unique Puzzles Only, kept in its own file.

#include <fstream>
#include <string>
#include <vector>

#include "application/commands/exact_menu.h"
#include "engines/solver/solve_texts.h"
#include "storage/program_options.h"
#include "ui/database_fixture.h"

namespace quorvel::testing {
namespace {

const std::string kEasy =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kHard =
    "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........";
const std::string kSolved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
constexpr WindowAction kStopItem = WindowAction::Stop;

using SolveMenuTest = WindowCommandsTest;

TEST_F(SolveMenuTest, NothingRunsWhileTheGridIsLoading) {
    const Command commands[] = {Command::CheckForSingle, Command::GetNext, Command::MildAttack,
                                Command::BruteForce, Command::NumberCrunch};
    for (const Command command : commands) {
        show(kEasy);
        const std::string before = grid();
        const std::size_t freezes = host.freezeCalls.size();
        session().loadBusy = true;
        main().commands().run(command);
        session().loadBusy = false;
        EXPECT_EQ(grid(), before);
        EXPECT_EQ(host.freezeCalls.size(), freezes);
        EXPECT_FALSE(main().menus().at(kStopItem).visible);
    }
}

TEST_F(SolveMenuTest, DuringARunAssistCommandsAreRefusedAndGetNextTurnsItsButtonOff) {
    for (const Command command : {Command::MildAttack, Command::GetNext}) {
        show(kHard);
        int checks = 0;
        host.onProcessEvents = [&] {
            if (!session().solverBusy) return;
            EXPECT_EQ(main().toolbar().at(Command::GetNext).enabled, command != Command::GetNext);
            EXPECT_TRUE(main().menus().at(kStopItem).visible);
            if (checks++ > 0) return;
            const std::string during = grid();
            main().menuChosen(Command::CheckForSingle);
            main().menuChosen(Command::GetNext);
            EXPECT_EQ(grid(), during);
            EXPECT_TRUE(session().solverBusy);
        };
        main().commands().run(command);
        host.onProcessEvents = nullptr;
        EXPECT_GT(checks, 0);
        EXPECT_TRUE(main().toolbar().at(Command::GetNext).enabled);
    }
    EXPECT_EQ(active().frameColour(), 33023u);
    EXPECT_FALSE(host.freezeCalls.empty());
    EXPECT_FALSE(host.freezeCalls.back());
    main().menuOpened(*main().menus().title(Menu::VisualAid));
    EXPECT_EQ(active().frameColour(), colour::kBlack);  // the frame the view paints
}

TEST_F(SolveMenuTest, StopEndsARunAndSaysEntriesMayBeInvalid) {
    struct StopCase {
        Command command;
        int eventsBeforeStop;
    };
    const StopCase cases[] = {
        {Command::BruteForce, 1}, {Command::NumberCrunch, 1}, {Command::NumberCrunch, 200}};
    for (const StopCase& stop : cases) {
        show(kHard);
        int events = 0;
        bool stopWasVisible = false;
        host.onProcessEvents = [&] {
            if (!session().solverBusy || session().stopRequested) return;
            if (++events < stop.eventsBeforeStop) return;
            stopWasVisible = main().menus().at(kStopItem).visible;
            main().menuChosen(kStopItem);
        };
        main().commands().run(stop.command);
        host.onProcessEvents = nullptr;
        EXPECT_TRUE(stopWasVisible);
        EXPECT_EQ(message(), kInterruptedText);
        EXPECT_EQ(main().messageLine().colour, colour::kRed);
        EXPECT_FALSE(session().stopRequested);
        EXPECT_FALSE(session().fillBusy);
        EXPECT_FALSE(session().solverBusy);
        EXPECT_FALSE(main().menus().at(kStopItem).visible);
        EXPECT_FALSE(main().workingHard().visible);
    }
}

TEST_F(SolveMenuTest, ProgressLineIsRepaintedOnlyAsTimePasses) {
    struct ThrottleCase {
        int msPerEvent;
        bool manyLines;
    };
    for (const ThrottleCase throttle : {ThrottleCase{0, false}, ThrottleCase{25, true}}) {
        show(kHard);
        messages.clear();
        host.processEventsCount = 0;
        host.onProcessEvents = [&] { host.tick += throttle.msPerEvent; };
        main().commands().run(Command::NumberCrunch);
        host.onProcessEvents = nullptr;
        const auto attempts = std::count_if(messages.begin(), messages.end(), [](auto& line) {
            return line.text.rfind("Current Attempt", 0) == 0;
        });
        EXPECT_EQ(message(), "Required : 1726 Levels of Guessing");
        EXPECT_GE(host.processEventsCount, 1726);  // events run at every guess
        if (throttle.manyLines) {
            EXPECT_GT(attempts, 100);
        } else {
            EXPECT_LE(attempts, 1);
        }
    }
}

TEST_F(SolveMenuTest, MarksLastUntilTheNextCommand) {
    std::string twoWays = kSolved;
    for (const int index : {3, 4, 30, 31})
        twoWays[index] = '.';
    twoWays[80] = '.';
    show(twoWays);
    active().setCellValue(81, "8");  // a wrong entry
    const Colour restingBack = active().board().cell(4).backColour;

    main().menuChosen(Command::CheckPuzzle);
    for (const int cell : {4, 5, 31, 32})
        EXPECT_EQ(active().board().cell(cell).backColour, kDifferingCellBack) << cell;
    main().menuChosen(Command::ExactSolve);
    EXPECT_EQ(active().board().cell(4).backColour, restingBack);

    show(kSolved.substr(0, 80) + ".");
    active().setCellValue(81, "8");
    main().menuChosen(Command::ShowMistakes);
    EXPECT_EQ(active().board().cell(81).backColour, kMistakeCellBack);
    main().menuChosen(Command::ExactSolve);
    EXPECT_NE(active().board().cell(81).backColour, kMistakeCellBack);
}

TEST_F(SolveMenuTest, UniquePuzzlesOnlyIsKeptInItsOwnFile) {
    // Generation with the option on and off: see DatabaseCommandsTest.
    EXPECT_TRUE(main().menus().at(WindowAction::UniquePuzzlesOnly).checked);
    const std::string settingsBefore = [&] {
        std::ifstream in(folder / "DaDododa.pxz", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    main().menuChosen(WindowAction::UniquePuzzlesOnly);
    EXPECT_FALSE(main().menus().at(WindowAction::UniquePuzzlesOnly).checked);
    EXPECT_FALSE(loadProgramOptions(folder).uniquePuzzlesOnly);
    main().loadSettings();
    EXPECT_FALSE(main().menus().at(WindowAction::UniquePuzzlesOnly).checked);
    std::ifstream settings(folder / "DaDododa.pxz", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(settings), {}), settingsBefore);
}

}  // namespace
}  // namespace quorvel::testing
