#include "ui/commands/explain_step.h"

#include <algorithm>
#include <memory>
#include <string>

#include "logic/step_text.h"
#include "model/grid_events.h"
#include "model/puzzle_board.h"
#include "ui/grid/grid_window.h"
#include "ui/grid/key_event.h"
#include "ui/shell/main_window.h"

namespace quorvel {

void ExplainNextStep::press(GridWindow& window) {
    clearMarks();
    const std::vector<int> values = shownValues(window.board());
    if (&window != window_ || values != values_ || stage_ >= 3) {
        window_ = &window;
        stage_ = 0;
        path_ = logic::hintPath(window.kind(), values);
    }
    if (path_.end != logic::PathEnd::Placed) {
        mainWindow_.showMessage(std::string(logic::pathMessage(path_.end)), colour::kRed,
                                kAlignCentre);
        stage_ = 0;
        values_ = values;
        return;
    }
    ++stage_;
    if (stage_ == 1) firstStage(window);
    if (stage_ == 2) secondStage(window);
    if (stage_ == 3) thirdStage(window);
    values_ = shownValues(window.board());
}

void ExplainNextStep::firstStage(GridWindow& window) {
    const logic::Step& placing = path_.steps.back();
    mainWindow_.showMessage(placing.summary(), colour::kBlue, kAlignCentre);
    markUnits(window, placing);
    if (placing.units.empty()) mark(window, placing.placements.front().cell, kHintUnitBack);
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
    const logic::CellValue target = path_.steps.back().placements.front();
    HintPanel panel;
    panel.shown = true;
    panel.title = "Hint for " + logic::cellName(window.kind(), target.cell);
    for (const logic::Step& step : path_.steps)
        markUnits(window, step);
    for (const logic::Step& step : path_.steps) {
        panel.lines.push_back(step.text);
        for (const int cell : step.cells)
            mark(window, cell, kHintPatternBack);
        for (const logic::CellValue& removed : step.eliminations)
            mark(window, removed.cell, kHintEliminationBack);
    }
    mark(window, target.cell, kHintTargetBack);
    mainWindow_.showMessage(path_.steps.back().summary(), colour::kBlue, kAlignCentre);
    mainWindow_.setHintPanel(std::move(panel));
}

// The value goes in as typed keys followed by Enter, the way a user enters it.
void ExplainNextStep::thirdStage(GridWindow& window) {
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
    if (window_ != nullptr) {
        for (const auto& [cell, backColour] : marked_) {
            window_->board().setCellColours(cell, window_->board().cell(cell).foreColour,
                                            backColour);
            window_->notifyCellChanged(cell);
        }
    }
    marked_.clear();
    if (mainWindow_.hintPanel().shown) mainWindow_.setHintPanel({});
}

void registerExplainNextStep(MainWindow& mainWindow, ActiveGridWindow activeGrid) {
    const auto command = std::make_shared<ExplainNextStep>(mainWindow);
    mainWindow.commands().setAction(Command::ExplainNextStep, [command, activeGrid] {
        if (GridWindow* window = activeGrid ? activeGrid() : nullptr) command->press(*window);
    });
    mainWindow.commands().setAction(Command::ClearExplanationMarks,
                                    [command] { command->clearMarks(); });
}

}  // namespace quorvel
