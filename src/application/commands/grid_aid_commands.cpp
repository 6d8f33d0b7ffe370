#include "application/commands/grid_aid_commands.h"

#include <utility>

#include "application/grid/grid_window.h"
#include "application/host.h"
#include "application/shell/main_window.h"
#include "model/aid_colours.h"
#include "model/program_state.h"

namespace quorvel {

namespace {

enum FilterField { kValueField, kOkField, kCancelField };

// The palette's colour for cell clicks (0: none, clicks enter numbers again), shown on it.
void choosePen(MainWindow& mainWindow, ProgramState& session, int colour) {
    session.colouringPen = colour;
    mainWindow.setToolButtonColour(
        Command::NextColouringPen,
        colour == 0 ? kButtonFace : aidColours().colouring[static_cast<std::size_t>(colour)]);
}

}  // namespace

FilterDialog::FilterDialog(int side, int current) : chosen_(current) {
    options_.emplace_back(kNoFilter);
    for (int value = 1; value <= side; ++value)
        options_.push_back(std::to_string(value));
}

DialogForm FilterDialog::form() const {
    DialogForm form;
    form.title = kFilterTitle;
    form.prompt = "Shade the empty cells where this value can go: " +
                  options_[static_cast<std::size_t>(chosen_)];
    form.fields.push_back(choiceField("&Value", options_, chosen_));
    form.fields.push_back(buttonField("OK"));
    form.fields.push_back(buttonField("Cancel"));
    form.focus = kValueField;
    return form;
}

void FilterDialog::press(int field) {
    if (field == kOkField) outcome_ = chosen_;
    if (field == kOkField || field == kCancelField) closed_ = true;
}

void FilterDialog::choose(int field, int option) {
    if (field == kValueField && option >= 0 && option < static_cast<int>(options_.size()))
        chosen_ = option;
}

void FilterDialog::key(const KeyEvent& event) {
    if (event.code == key::kEnter) press(kOkField);
}

void registerGridAidCommands(MainWindow& mainWindow, Host& host,
                             const ActiveGridWindow& activeGrid) {
    CommandTable& table = mainWindow.commands();
    table.setAction(Command::FilterValue, [&host, activeGrid] {
        GridWindow* window = activeGrid();
        if (window == nullptr) return;
        FilterDialog dialog(window->kind().side, window->filteredValue());
        host.runDialog(dialog);
        if (dialog.outcome() >= 0) window->setFilteredValue(dialog.outcome());
    });
    table.setStep(Command::ClearColouring, [activeGrid] {
        GridWindow* window = activeGrid();
        return window != nullptr && window->clearColouring();
    });
    table.setAction(Command::NextColouringPen, [&mainWindow, activeGrid] {
        if (GridWindow* window = activeGrid()) {
            ProgramState& session = window->board().session();
            choosePen(mainWindow, session, (session.colouringPen + 1) % (kColouringColours + 1));
        }
    });
    table.setAction(Command::PutColouringPenDown, [&mainWindow, activeGrid] {
        if (GridWindow* window = activeGrid()) choosePen(mainWindow, window->board().session(), 0);
    });
}

}  // namespace quorvel
