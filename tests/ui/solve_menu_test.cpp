// The Assist Solve commands while they run, which a scripted session cannot interleave with:
// the busy guards, Stop during a run, the Get Next button and the throttled progress line.

#include <string>
#include <vector>

#include "solver/solve_texts.h"
#include "ui/database_fixture.h"

namespace quorvel::testing {
namespace {

const std::string kEasy =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kHard =
    "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........";
constexpr MenuRef kStopItem{MenuArray::Top, 8};

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

TEST_F(SolveMenuTest, AssistCommandsChosenDuringASolveAreRefused) {
    const MenuRef assist[] = {{MenuArray::AssistSolve, 2}, {MenuArray::AssistSolve, 3}};
    for (const MenuRef item : assist) {
        show(kEasy);
        bool checked = false;
        host.onProcessEvents = [&] {
            if (!session().solverBusy || checked) return;
            checked = true;
            const std::string during = grid();
            main().menuChosen(item);
            EXPECT_EQ(grid(), during);
            EXPECT_TRUE(session().solverBusy);
            EXPECT_TRUE(main().menus().at(kStopItem).visible);
            EXPECT_TRUE(main().toolbar().at(19).enabled);
        };
        main().commands().run(Command::MildAttack);
        host.onProcessEvents = nullptr;
        EXPECT_TRUE(checked);
        EXPECT_EQ(message(), kDoneText);
    }
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

TEST_F(SolveMenuTest, GetNextDisablesItsButtonWhileItRuns) {
    show(kHard);
    std::vector<bool> buttonDuringRun;
    host.onProcessEvents = [&] {
        if (session().solverBusy) buttonDuringRun.push_back(main().toolbar().at(19).enabled);
    };
    main().toolbarClicked(19, 1, 0);
    host.onProcessEvents = nullptr;
    ASSERT_FALSE(buttonDuringRun.empty());
    EXPECT_EQ(std::count(buttonDuringRun.begin(), buttonDuringRun.end(), true), 0);
    EXPECT_TRUE(main().toolbar().at(19).enabled);
    EXPECT_EQ(active().board().frameColour(), 33023);
    EXPECT_FALSE(host.freezeCalls.empty());
    EXPECT_FALSE(host.freezeCalls.back());
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

}  // namespace
}  // namespace quorvel::testing
