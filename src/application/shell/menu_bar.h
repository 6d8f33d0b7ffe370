#pragma once
// The main window's menus as data: one row per item, each carrying what choosing it runs (a
// command or one of the main window's own actions), its caption (trailing blanks included),
// shortcut and state. The view builds its menus from the rows and hands the chosen row to the
// main window; enabling, check marks and captions are set through what a row carries.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "application/shell/command.h"
#include "storage/program_options.h"  // kMostRecentFiles

namespace quorvel {

// Where an item sits: on the menu bar itself or in one drop-down (`Solve` and
// `OptionalTechniques` are submenus inside `AssistSolve`, `OpenRecent` inside `PuzzleGrid`).
enum class Menu {
    Bar,
    PuzzleGrid,
    OpenRecent,
    SetPuzzle,
    Database,
    AssistSolve,
    Solve,
    OptionalTechniques,
    VisualAid,
    Zoom,   // inside VisualAid
    Theme,  // inside VisualAid
    Help
};
inline constexpr std::size_t kMenuCount = static_cast<std::size_t>(Menu::Help) + 1;

struct MenuItem {
    Menu menu = Menu::Bar;
    std::string caption;   // "-" for a separator
    std::string shortcut;  // "F2", "Ctrl+F2" or ""
    // What choosing the item runs; for a title that opens a drop-down, what runs as it opens.
    Target target;
    std::optional<Menu> submenu;  // the drop-down the item opens
    // The Set Puzzle commands run inside the main window's Set Puzzle frame (tip mark off,
    // timer stopped, drawing frozen, experimental run ended).
    bool setPuzzleFrame = false;
    bool visible = true;
    bool enabled = true;
    bool checkable = false;
    bool checked = false;

    bool isSeparator() const { return caption == "-"; }
};

// The captions of Optional Techniques' items: each technique's name with an access letter of its
// own, a word's first letter where one is free ("ALS-AIC" is "&ALS-AIC", "ALS Continuous Nice
// Loop" then "ALS &Continuous Nice Loop").
std::vector<std::string> optionalTechniqueCaptions(const std::vector<std::string>& names);

// The caption of Open Recent's place `place` (from 0) for `file`: "&1 club.sdk", the file's name
// without its folder.
std::string recentFileCaption(std::size_t place, std::string_view file);

class MenuBar {
  public:
    MenuBar();

    // The items of one menu in the order it shows them, separators included.
    std::vector<const MenuItem*> items(Menu menu) const;
    // The item carrying `target` (each command or action is on one item at most); nullptr when
    // no item carries it.
    const MenuItem* find(const Target& target) const;
    MenuItem* find(const Target& target);
    // Like find, for items that always exist; throws std::out_of_range for a missing one.
    const MenuItem& at(const Target& target) const;
    // The item that opens `menu`; nullptr for the bar.
    const MenuItem* title(Menu menu) const;
    MenuItem* title(Menu menu);
    // True when the item and every menu above it are enabled and visible, so choosing it (or
    // its shortcut) has an effect.
    bool isEffective(const MenuItem& item) const;

    const std::vector<MenuItem>& all() const { return items_; }

  private:
    std::vector<MenuItem> items_;
    // The index in items_ of the item that opens each menu; -1 for the bar. Every lookup of
    // whether an item can be chosen climbs through these.
    std::array<int, kMenuCount> titles_;
};

}  // namespace quorvel
