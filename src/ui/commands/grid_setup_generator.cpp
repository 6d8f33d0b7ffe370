#include "ui/commands/grid_setup_generator.h"

#include <bit>

#include "create/generate_puzzle.h"
#include "create/givens_pattern.h"
#include "create/level_aim.h"
#include "model/grid_events.h"
#include "ui/commands/grade_and_save_command.h"
#include "ui/commands/grid_setup.h"
#include "ui/grid/grid_window.h"
#include "ui/host.h"
#include "ui/shell/main_window.h"

namespace quorvel {

namespace {

// The generator's view of a grid window: its own blanking and Grade and Save.
class WindowGeneration : public GenerationWindow {
  public:
    WindowGeneration(GridWindow& window, MainWindow& mainWindow, DialogExchange& dialogs)
        : window_(window), mainWindow_(mainWindow), dialogs_(dialogs) {}

    Board& board() override { return window_.board(); }
    ConsistencyResult checkConsistency(int cell, bool silent) override {
        return window_.checkConsistency(cell, silent);
    }
    void blankGrid() override { quorvel::blankGrid(window_, mainWindow_, false); }
    void gradeAndSave() override { quorvel::gradeAndSave(window_, mainWindow_, dialogs_, false); }
    void restoreCellColour(int cell) override { window_.restoreCellColour(cell, true); }
    void setDrawingMode(int mode) override { mainWindow_.setDrawingMode(mode); }
    // Database > Unique Puzzles Only: the puzzle is made unique and aimed at the
    // current level.
    // The message line names each try; events run before every rating, so Stop stays usable.
    void finishGivens(RandomSource& random) override {
        if (!mainWindow_.options().uniquePuzzlesOnly) return;
        const Session& session = window_.board().session();
        const int target = session.currentLevel;
        int shownAttempt = 0;
        const AimedBoard aimed =
            aimBoardAtBand(window_.board(), logic::levelBand(target), random, [&](int attempt) {
                if (attempt == shownAttempt) {
                    window_.board().events().processEvents();
                } else {
                    shownAttempt = attempt;
                    mainWindow_.showMessage(aimProgressText(target, attempt), colour::kBlue,
                                            kAlignCentre);
                }
                return !session.stopRequested;
            });
        for (const int cell : aimed.changedCells)
            window_.notifyCellChanged(cell);
        if (!aimed.aimed.stopped && aimed.aimed.rating.level != target)
            mainWindow_.showMessage(aimMissedText(target, aimed.aimed.rating), colour::kBlue,
                                    kAlignCentre);
    }

  private:
    GridWindow& window_;
    MainWindow& mainWindow_;
    DialogExchange& dialogs_;
};

}  // namespace

std::vector<int> MarkGivensPattern(GridWindow& window, int level, RandomSource& random) {
    std::vector<int> cells =
        DrawGivensPattern(window.kind(), ExposedCountFor(window.kind(), level), random);
    ApplyGivensPattern(window.board(), cells);
    for (int cell = 1; cell <= window.board().cellCount(); ++cell)
        window.notifyCellChanged(cell);
    return cells;
}

bool generatePuzzle(GridWindow& window, MainWindow& mainWindow, DialogExchange& dialogs,
                    RandomSource& random) {
    WindowGeneration generation(window, mainWindow, dialogs);
    return generatePuzzle(generation, random);
}

std::unique_ptr<RandomSource> ClockSeededRandom(Host& host) {
    const auto seed =
        std::bit_cast<std::uint64_t>(host.now()) ^ static_cast<std::uint64_t>(host.tickMs());
    return std::make_unique<SeededRandom>(seed);
}

}  // namespace quorvel
