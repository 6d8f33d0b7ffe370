#include "application/commands/grid_aid_commands.h"

#include <utility>

#include "application/grid/grid_window.h"
#include "application/host.h"
#include "application/shell/main_window.h"
#include "model/program_state.h"

namespace quorvel {

namespace {

enum FilterField { kValueField, kOkField, kCancelField };

constexpr Command kPenCommands[] = {Command::ColouringPen1, Command::ColouringPen2,
                                    Command::ColouringPen3, Command::ColouringPen4};

// A palette button chooses its colour for cell clicks; pressed again it puts the colour down,
// and clicks enter numbers again.
void choosePen(MainWindow& mainWindow, ProgramState& session, int colour) {
    session.colouringPen = session.colouringPen == colour ? 0 : colour;
    for (int pen = 1; pen <= kColouringColours; ++pen)
        mainWindow.setToolButtonChosen(kPenCommands[pen - 1], pen == session.colouringPen);
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

void registerGridAidCommands(MainWindow& mainWindow, Host& host, ActiveGridWindow activeGrid) {
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
    for (int pen = 1; pen <= kColouringColours; ++pen) {
        table.setAction(kPenCommands[pen - 1], [&mainWindow, activeGrid, pen] {
            if (GridWindow* window = activeGrid())
                choosePen(mainWindow, window->board().session(), pen);
        });
    }
}

}  // namespace quorvel
