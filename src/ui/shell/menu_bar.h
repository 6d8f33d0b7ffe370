#pragma once
// The main window's menu bar as data: every item with its array and index, caption (trailing
// blanks included), shortcut and state. The view builds its menus from this and asks the main
// window to run an item; the main window changes the state and tells the view.

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// The control arrays of the menu bar. `Top` holds the top-level items; each other array is the
// drop-down of one of them (`Solve` is the Solve submenu inside `AssistSolve`).
enum class MenuArray { Top, PuzzleGrid, SetPuzzle, Database, AssistSolve, Solve, VisualAid, Help };

struct MenuRef {
    MenuArray array = MenuArray::Top;
    int index = 0;
    friend bool operator==(const MenuRef&, const MenuRef&) = default;
};

struct MenuItem {
    MenuRef ref;
    std::string caption;   // "-" for a separator
    std::string shortcut;  // "F2", "Ctrl+F2" or ""
    bool visible = true;
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
    // The drop-down this item opens, if any (top-level items and Solve).
    std::optional<MenuArray> submenu;

    bool isSeparator() const { return caption == "-"; }
};

class MenuBar {
  public:
    MenuBar();

    // Items of one array in index order (separators included; missing indices are absent).
    std::vector<const MenuItem*> items(MenuArray array) const;
    const MenuItem* find(MenuRef ref) const;
    MenuItem* find(MenuRef ref);
    // Like find, for items that always exist; throws std::out_of_range for a missing one.
    const MenuItem& at(MenuRef ref) const;
    MenuItem& at(MenuRef ref);

    // The item whose drop-down is `array` (e.g. Top(3) for AssistSolve); nullopt for Top.
    std::optional<MenuRef> parentOf(MenuArray array) const;
    // True when the item and every menu above it are enabled and visible, so choosing it (or
    // its shortcut) has an effect.
    bool isEffective(MenuRef ref) const;

    const std::vector<MenuItem>& all() const { return items_; }

  private:
    std::vector<MenuItem> items_;
};

}  // namespace quorvel
