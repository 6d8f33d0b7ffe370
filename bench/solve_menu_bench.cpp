// The Number Crunch menu command in the window against the same command as quorvel-tool solve
// runs it, on one hard puzzle: what the window path (message line, throttled progress, events at
// every guess, drawing freeze) adds to the engine's time. The window run reports how often the
// message line was repainted.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "application/composition/application.h"
#include "application/grid/puzzle_board.h"
#include "application/host.h"
#include "engines/solver/puzzle_solve.h"
#include "model/puzzle_line.h"

namespace {

using namespace quorvel;

// The first puzzle of top1465: 1726 nested guesses in Number Crunch.
const char* const kHardPuzzle =
    "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........";

// A Host with a real clock whose event processing finds nothing pending.
class QuietHost : public Host {
  public:
    void runDialog(Dialog&) override {}
    std::optional<std::string> chooseFile(const FileDialogRequest&) override { return {}; }
    bool printPage(const PrintPage&) override { return false; }
    bool openUrl(const std::string&) override { return false; }
    std::string clipboardText() override { return ""; }
    void setClipboardText(const std::string&) override {}
    void processEvents() override {}
    void setDrawingSuspended(bool) override {}
    std::int64_t tickMs() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    double now() override { return 45000.0; }
    void sleepMs(int) override {}
    std::optional<DisplayMode> displayMode() override { return DisplayMode{1024, 768, 32}; }
    bool changeDisplayMode(const DisplayMode&) override { return true; }
    void runAbout(AboutWindow&) override {}
    bool runSystemInfo() override { return false; }
    SystemMetrics systemMetrics() override { return {23, 4}; }
    TextMeasure measureText(const std::string&, const std::string&, int, int) override {
        return {1, 200};
    }
    void minimiseMainWindow() override {}
    void quit() override {}
};

Puzzle hardPuzzle() {
    return *parsePuzzleLine(kHardPuzzle).puzzle;
}

void BM_ToolNumberCrunch(benchmark::State& state) {
    const Puzzle puzzle = hardPuzzle();
    for (auto _ : state)
        benchmark::DoNotOptimize(solvePuzzle(puzzle, SolveMode::NumberCrunch));
}
BENCHMARK(BM_ToolNumberCrunch)->Unit(benchmark::kMillisecond);

void BM_WindowNumberCrunch(benchmark::State& state) {
    const Puzzle puzzle = hardPuzzle();
    const auto folder = std::filesystem::temp_directory_path() / "quorvel-solve-menu-bench";
    std::filesystem::create_directories(folder);
    QuietHost host;
    Application app(host, folder);
    MainWindow& main = app.mainWindow();
    main.loadSettings();
    main.load();
    main.activate();
    long repaints = 0;
    main.subscribe([&](MainWindowChange change) {
        if (change == MainWindowChange::MessageLine) ++repaints;
    });
    Board& board = app.nineGrid().board();
    for (auto _ : state) {
        state.PauseTiming();
        for (int cell = 1; cell <= board.cellCount(); ++cell) {
            board.setCellLocked(cell, false);
            board.setCellValue(cell, "");
        }
        loadGivens(board, puzzle.values);
        main.applyStateChange(StateChange::GridLockedWithGivens);
        state.ResumeTiming();
        main.menuChosen(Command::NumberCrunch);
    }
    state.counters["repaints"] =
        benchmark::Counter(static_cast<double>(repaints), benchmark::Counter::kAvgIterations);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WindowNumberCrunch)->Unit(benchmark::kMillisecond);

}  // namespace
