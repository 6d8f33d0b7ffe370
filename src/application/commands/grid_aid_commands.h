#pragma once
// The commands of the grid aids: Visual Aid > Filter Value... (a value chosen in a small
// dialog shades the empty cells where it can still go), Clear Colouring, and the toolbar's
// colouring palette, whose button steps through the colours a click gives a cell.

#include <string>
#include <string_view>
#include <vector>

#include "application/commands/grid_setup.h"  // ActiveGridWindow
#include "application/grid/dialog.h"

namespace quorvel {

class Host;
class MainWindow;

inline constexpr std::string_view kFilterTitle = "Filter Value";
inline constexpr std::string_view kNoFilter = "None";

// The value to filter on: "None" or 1..side, as a choice with OK and Cancel.
class FilterDialog : public Dialog {
  public:
    FilterDialog(int side, int current);

    DialogForm form() const override;
    void press(int field) override;
    void choose(int field, int option) override;
    void key(const KeyEvent& event) override;
    void dismiss() override { closed_ = true; }
    bool closed() const override { return closed_; }

    // The value chosen with OK (0: none), or -1 when the dialog was cancelled.
    int outcome() const { return outcome_; }

  private:
    std::vector<std::string> options_;
    int chosen_ = 0;
    int outcome_ = -1;
    bool closed_ = false;
};

void registerGridAidCommands(MainWindow& mainWindow, Host& host,
                             const ActiveGridWindow& activeGrid);

}  // namespace quorvel
