#include "application/commands/explain_step.h"

#include <algorithm>
#include <memory>
#include <string>

#include "application/commands/exact_commands.h"
#include "application/grid/grid_events.h"
#include "application/grid/grid_window.h"
#include "application/grid/key_event.h"
#include "application/grid/puzzle_board.h"
#include "application/shell/main_window.h"
#include "engines/logic/step_text.h"

namespace quorvel {

namespace {

ValueMask bit(int value) {
    return static_cast<ValueMask>(1u << value);
}

// The candidates of a chain node the grid holds: a node of an almost locked set also names the
// set's cells lacking its value.
std::vector<CandidateMark> marksOf(const logic::LogicGrid& grid,
                                   const std::vector<logic::CellValue>& node) {
    std::vector<CandidateMark> marks;
    for (const logic::CellValue& candidate : node)
        if (grid.hasCandidate(candidate.cell, candidate.value))
            marks.push_back({candidate.cell, candidate.value});
    return marks;
}

// The chain of the path's step `shown`, over the grid as that step finds it: the cells the chain
// passes through and those the step takes candidates from show their candidates. Only that step's
// chain, and of a net only the outer net: several drawn at once would be a tangle. Empty for a
// step without a chain.
ChainMarks chainMarksOf(const logic::LogicPath& path, std::size_t shown,
                        const std::vector<int>& values, const std::vector<ValueMask>& candidates) {
    ChainMarks marks;
    const logic::Step& step = path.steps[shown];
    if (step.chain.empty()) return marks;
    logic::LogicGrid grid(path.kind, values, candidates);
    for (std::size_t before = 0; before < shown; ++before)
        grid.apply(path.steps[before]);
    for (const logic::ChainLink& link : step.chain) {
        for (const auto* node : {&link.from, &link.to}) {
            for (const logic::CellValue& candidate : *node) {
                marks.shown[candidate.cell] = grid.candidates(candidate.cell);
                if (grid.hasCandidate(candidate.cell, candidate.value))
                    marks.ringed[candidate.cell] |= bit(candidate.value);
            }
        }
        marks.links.push_back({marksOf(grid, link.from), marksOf(grid, link.to), link.strong});
    }
    for (const logic::CellValue& removed : step.eliminations) {
        marks.shown[removed.cell] = grid.candidates(removed.cell);
        marks.removed[removed.cell] |= bit(removed.value);
    }
    return marks;
}

// The givens: the locked cells; none locked, every value counts as one (empty).
std::vector<bool> lockedCells(const Board& board) {
    std::vector<bool> locked(board.cellCount(), false);
    bool any = false;
    for (int cell = 1; cell <= board.cellCount(); ++cell) {
        locked[cell - 1] = board.cell(cell).locked;
        any = any || locked[cell - 1];
    }
    return any ? locked : std::vector<bool>();
}

// A step as the hint panel shows it: its text, and for a chain step the chain one link a line,
// unless the text already runs in lines (the forcing steps).
std::string panelText(const GridKind& kind, const logic::Step& step) {
    std::string text = step.text;
    if (text.find('\n') != std::string::npos) return text;
    for (const std::string& line : logic::chainLines(kind, step.chain))
        text += "\n" + line;
    return text;
}

}  // namespace

// The message line lets the window system's events through while it repaints, so a key pressed
// during a long search arrives while the press before it is still at work (holding its steps):
// it waits in the queue and runs once that press is done, in the order the keys came.
void ExplainNextStep::act(Action action, GridWindow* window) {
    pending_.emplace_back(action, window);
    if (acting_) return;
    acting_ = true;
    while (!pending_.empty()) {
        const auto [next, on] = pending_.front();
        pending_.pop_front();
        switch (next) {
            case Action::Press:
                pressNow(*on);
                break;
            case Action::Back:
            case Action::Next:
                turnPageNow(next == Action::Next);
                break;
            case Action::Details:
                toggleDetailsNow();
                break;
        }
    }
    acting_ = false;
}

void ExplainNextStep::pressNow(GridWindow& window) {
    clearMarks();
    const std::vector<int> values = shownValues(window.board());
    const std::vector<ValueMask> candidates = window.notedCandidates();
    const logic::OptionalTechniques turnedOn = mainWindow_.optionalTechniques();
    const std::optional<logic::Technique> preferred =
        mainWindow_.practisedTechnique(givenValues(window.board()));
    if (&window != window_ || values != values_ || candidates != candidates_ ||
        turnedOn != turnedOn_ || preferred != preferred_ || stage_ >= 3) {
        window_ = &window;
        stage_ = 0;
        turnedOn_ = turnedOn;
        preferred_ = preferred;
        path_ = logic::hintPath(window.kind(), values, candidates, lockedCells(window.board()),
                                turnedOn, preferred);
    }
    if (path_.end != logic::PathEnd::Placed) {
        mainWindow_.showMessage(logic::pathMessage(path_), colour::kRed, Alignment::Centre);
        // The notes took out a value the solution needs: the cell that lacks it is marked.
        if (path_.end == logic::PathEnd::CandidateRemoved)
            mark(window, path_.needed.cell, kMistakeCellBack);
        stage_ = 0;
        values_ = values;
        candidates_ = candidates;
        return;
    }
    ++stage_;
    if (stage_ == 1) firstStage(window);
    if (stage_ == 2) secondStage(window);
    if (stage_ == 3) thirdStage(window);
    values_ = shownValues(window.board());
    candidates_ = window.notedCandidates();
}

// The first step of the path is where the user has to start looking, even when a later step
// is the one that places: naming only the placing step would point at a cell that, on the grid
// as shown, still has several candidates.
void ExplainNextStep::firstStage(GridWindow& window) {
    const logic::Step& first = path_.steps.front();
    std::string message = first.headline();
    if (path_.steps.size() > 1)
        message += ": " + std::to_string(path_.steps.size()) + " steps lead to the next value";
    mainWindow_.showMessage(message, colour::kBlue, Alignment::Centre);
    markUnits(window, first);
    if (first.units.empty()) {
        for (const int cell : first.cells)
            mark(window, cell, kHintUnitBack);
        for (const logic::CellValue& placed : first.placements)
            mark(window, placed.cell, kHintUnitBack);
    }
}

void ExplainNextStep::markUnits(GridWindow& window, const logic::Step& step) {
    const GridKind& kind = window.kind();
    for (const logic::UnitRef& unit : step.units) {
        for (int cell = 1; cell <= kind.cellCount(); ++cell) {
            const bool inUnit = unit.type == UnitType::Row      ? kind.rowOf(cell) == unit.index
                                : unit.type == UnitType::Column ? kind.columnOf(cell) == unit.index
                                                                : kind.blockOf(cell) == unit.index;
            if (inUnit) mark(window, cell, kHintUnitBack);
        }
    }
}

void ExplainNextStep::secondStage(GridWindow& window) {
    shownStep_ = 0;
    detailsOpen_ = false;
    showStep(window);
    mainWindow_.showMessage(path_.steps.back().headline(), colour::kBlue, Alignment::Centre);
}

// The hint panel shows the step `shownStep_` and the grid marks that step alone: its units, its
// pattern cells, the cells it takes candidates from and its chain; the last step's placement is the
// target.
void ExplainNextStep::showStep(GridWindow& window) {
    restoreCells();
    const logic::Step& step = path_.steps[shownStep_];
    const bool last = shownStep_ + 1 == path_.steps.size();
    markUnits(window, step);
    for (const int cell : step.cells)
        mark(window, cell, kHintPatternBack);
    for (const logic::CellValue& removed : step.eliminations)
        mark(window, removed.cell, kHintEliminationBack);
    if (last) mark(window, step.placements.front().cell, kHintTargetBack);
    window.setChainMarks(chainMarksOf(path_, shownStep_, values_, candidates_));

    HintPanel panel;
    panel.shown = true;
    panel.title =
        "Hint for " + logic::cellName(window.kind(), path_.steps.back().placements.front().cell);
    panel.step = static_cast<int>(shownStep_) + 1;
    panel.stepCount = static_cast<int>(path_.steps.size());
    panel.summary = step.summary;
    panel.details = panelText(window.kind(), step);
    panel.detailsOpen = detailsOpen_;
    mainWindow_.setHintPanel(std::move(panel));
}

void ExplainNextStep::turnPageNow(bool forward) {
    if (window_ == nullptr || stage_ != 2 || !mainWindow_.hintPanel().shown) return;
    if (forward ? shownStep_ + 1 >= path_.steps.size() : shownStep_ == 0) return;
    shownStep_ = forward ? shownStep_ + 1 : shownStep_ - 1;
    showStep(*window_);
}

void ExplainNextStep::toggleDetailsNow() {
    if (window_ == nullptr || stage_ != 2 || !mainWindow_.hintPanel().shown) return;
    detailsOpen_ = !detailsOpen_;
    HintPanel panel = mainWindow_.hintPanel();
    panel.detailsOpen = detailsOpen_;
    mainWindow_.setHintPanel(std::move(panel));
}

// The eliminations of the steps cross out those notes, and the value goes in as typed keys
// followed by Enter, the way a user enters it: one step of the state history.
void ExplainNextStep::thirdStage(GridWindow& window) {
    for (const logic::Step& step : path_.steps) {
        for (const logic::CellValue& removed : step.eliminations) {
            window.setNotes(removed.cell, static_cast<ValueMask>(window.storedNotes(removed.cell) &
                                                                 ~(1u << removed.value)));
        }
    }
    const logic::CellValue target = path_.steps.back().placements.front();
    window.requestFocus(target.cell);
    for (const char digit : std::to_string(target.value))
        window.cellKey(target.cell, {digit, 0, std::string(1, digit)});
    window.cellKey(target.cell, {key::kEnter, 0, "\r"});
}

void ExplainNextStep::mark(GridWindow& window, int cell, Colour backColour) {
    const CellView& view = window.board().cell(cell);
    if (std::find_if(marked_.begin(), marked_.end(),
                     [cell](const auto& marked) { return marked.first == cell; }) == marked_.end())
        marked_.emplace_back(cell, view.backColour);
    window.board().setCellColours(cell, view.foreColour, backColour);
    window.notifyCellChanged(cell);
}

void ExplainNextStep::clearMarks() {
    restoreCells();
    if (mainWindow_.hintPanel().shown) mainWindow_.setHintPanel({});
}

void ExplainNextStep::restoreCells() {
    if (window_ != nullptr) {
        for (const auto& [cell, backColour] : marked_) {
            window_->board().setCellColours(cell, window_->board().cell(cell).foreColour,
                                            backColour);
            window_->notifyCellChanged(cell);
        }
        window_->setChainMarks({});
    }
    marked_.clear();
}

void registerExplainNextStep(MainWindow& mainWindow, const ActiveGridWindow& activeGrid) {
    const auto command = std::make_shared<ExplainNextStep>(mainWindow);
    mainWindow.commands().setAction(Command::ExplainNextStep, [command, activeGrid] {
        if (GridWindow* window = activeGrid ? activeGrid() : nullptr) command->press(*window);
    });
    mainWindow.commands().setAction(Command::ClearExplanationMarks,
                                    [command] { command->clearMarks(); });
    mainWindow.commands().setAction(Command::ShowPreviousHintStep,
                                    [command] { command->turnPage(false); });
    mainWindow.commands().setAction(Command::ShowNextHintStep,
                                    [command] { command->turnPage(true); });
    mainWindow.commands().setAction(Command::ToggleHintDetails,
                                    [command] { command->toggleDetails(); });
}

}  // namespace quorvel
