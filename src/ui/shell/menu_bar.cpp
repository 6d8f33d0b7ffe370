#include "ui/shell/menu_bar.h"

#include <stdexcept>

#include "ui/shell/version.h"

namespace quorvel {

namespace {

MenuItem item(MenuArray array, int index, std::string caption, std::string shortcut = "") {
    MenuItem result;
    result.ref = {array, index};
    result.caption = std::move(caption);
    result.shortcut = std::move(shortcut);
    return result;
}

MenuItem separator(MenuArray array, int index) {
    return item(array, index, "-");
}

MenuItem top(int index, std::string caption, std::optional<MenuArray> submenu) {
    MenuItem result = item(MenuArray::Top, index, std::move(caption));
    result.submenu = submenu;
    return result;
}

std::vector<MenuItem> designItems() {
    using A = MenuArray;
    std::vector<MenuItem> items;
    auto add = [&](MenuItem m) -> MenuItem& { return items.emplace_back(std::move(m)); };

    add(top(0, "&Puzzle Grid     ", A::PuzzleGrid));
    add(top(1, "&Set Puzzle     ", A::SetPuzzle));
    add(top(2, "&Database     ", A::Database));
    add(top(3, "&Assist Solve    ", A::AssistSolve)).enabled = false;
    add(top(5, "&Visual Aid     ", A::VisualAid));
    add(top(6, "&Help     ", A::Help));
    add(top(7, "&Quit     ", std::nullopt));
    add(top(8, "S&top", std::nullopt)).visible = false;

    add(item(A::PuzzleGrid, 0, "&Nine"));
    add(item(A::PuzzleGrid, 1, "&Fifteen"));
    add(separator(A::PuzzleGrid, 2));
    add(item(A::PuzzleGrid, 11, "&Open Puzzle File...", "Ctrl+O"));
    add(item(A::PuzzleGrid, 12, "Save Puzzle &As...", "Ctrl+Shift+S"));
    add(item(A::PuzzleGrid, 13, "&Copy Puzzle", "Ctrl+C"));
    add(item(A::PuzzleGrid, 14, "Copy &Givens", "Ctrl+Shift+C"));
    add(item(A::PuzzleGrid, 15, "Pas&te Puzzle", "Ctrl+V"));
    add(separator(A::PuzzleGrid, 10));
    add(item(A::PuzzleGrid, 3, "&Print"));
    add(separator(A::PuzzleGrid, 4));
    add(item(A::PuzzleGrid, 5, "&Create Text File"));
    add(item(A::PuzzleGrid, 6, "&Import Text File"));
    add(item(A::PuzzleGrid, 7, "Import &Batch"));
    add(separator(A::PuzzleGrid, 8));
    add(item(A::PuzzleGrid, 9, std::string("&Get Batch File ") + kBatchPage));

    add(item(A::SetPuzzle, 0, "&Blank Grid"));
    add(item(A::SetPuzzle, 1, "&Lock Grid"));
    add(item(A::SetPuzzle, 2, "&Unlock Grid"));
    add(separator(A::SetPuzzle, 3));
    add(item(A::SetPuzzle, 4, "&Create My Su Doku"));
    add(item(A::SetPuzzle, 5, "&Save My Su Doku"));
    // Off outside composing; the normal layout keeps them so.
    add(item(A::SetPuzzle, 6, "Store &Incomplete Effort")).enabled = false;
    add(item(A::SetPuzzle, 7, "&Get Last Incomplete Effort"));
    for (int index = 8; index <= 11; ++index)
        add(separator(A::SetPuzzle, index));
    add(item(A::SetPuzzle, 12, "&Open sudoko01.html"));
    add(item(A::SetPuzzle, 13, "&Test Screen (As in Web Page)"));
    add(separator(A::SetPuzzle, 14));
    add(item(A::SetPuzzle, 15, "&Quit Create My Su Doku")).enabled = false;

    add(item(A::Database, 0, "&Get Puzzle from Database", "F2"));
    add(item(A::Database, 1, "&Show Solution (Stored)", "F3"));
    add(item(A::Database, 2, "Store Solution in &Database", "Ctrl+F2"));
    add(separator(A::Database, 3));
    add(item(A::Database, 4, "Save &Incomplete Puzzle"));
    add(item(A::Database, 5, "Get Incomplete &Puzzle"));
    add(item(A::Database, 11, "Import &Collection..."));
    add(separator(A::Database, 6));
    add(item(A::Database, 7, "&Delete Puzzle from Database")).enabled = false;
    add(separator(A::Database, 8));
    add(item(A::Database, 9, "&Computer Generated Puzzle"));
    MenuItem& unique = add(item(A::Database, 10, "&Unique Puzzles Only"));
    unique.checkable = unique.checked = true;

    add(item(A::AssistSolve, 2, "Check For &Single", "F8"));
    add(item(A::AssistSolve, 3, "Get &Next", "F12"));
    add(separator(A::AssistSolve, 8));
    add(item(A::AssistSolve, 9, "Explain Next &Step", "F4"));
    add(item(A::AssistSolve, 5, "Check &Puzzle", "F11"));
    add(item(A::AssistSolve, 6, "Show &Mistakes", "Shift+F11"));
    add(item(A::AssistSolve, 7, "&Rate Puzzle"));
    add(item(A::AssistSolve, 4, "Sol&ve")).submenu = A::Solve;

    add(item(A::Solve, 0, "&Mild Attack", "F5"));
    add(item(A::Solve, 1, "&Brute Force", "F6"));
    add(item(A::Solve, 2, "&Number Crunch", "F7"));
    add(item(A::Solve, 3, "&Exact Solve", "Shift+F7"));

    add(item(A::VisualAid, 0, "&Color Number   (CTRL-Left Button Click)"));
    MenuItem& tip = add(item(A::VisualAid, 1, "Show &Possibilities (Tip)", "F9"));
    tip.checkable = tip.checked = true;
    MenuItem& panel = add(item(A::VisualAid, 2, "Sho&w Possibilities (Panel)"));
    panel.checkable = panel.checked = true;
    add(separator(A::VisualAid, 3));
    add(item(A::VisualAid, 4, "Pause &Timer"));

    add(item(A::Help, 0, "&General Help", "F1"));
    add(separator(A::Help, 1));
    add(item(A::Help, 2, "&About Quorvel"));
    return items;
}

}  // namespace

MenuBar::MenuBar() : items_(designItems()) {}

std::vector<const MenuItem*> MenuBar::items(MenuArray array) const {
    std::vector<const MenuItem*> result;
    for (const MenuItem& item : items_) {
        if (item.ref.array == array) result.push_back(&item);
    }
    return result;
}

const MenuItem* MenuBar::find(MenuRef ref) const {
    for (const MenuItem& item : items_) {
        if (item.ref == ref) return &item;
    }
    return nullptr;
}

MenuItem* MenuBar::find(MenuRef ref) {
    return const_cast<MenuItem*>(static_cast<const MenuBar*>(this)->find(ref));
}

const MenuItem& MenuBar::at(MenuRef ref) const {
    const MenuItem* item = find(ref);
    if (item == nullptr) throw std::out_of_range("no such menu item");
    return *item;
}

MenuItem& MenuBar::at(MenuRef ref) {
    return const_cast<MenuItem&>(static_cast<const MenuBar*>(this)->at(ref));
}

std::optional<MenuRef> MenuBar::parentOf(MenuArray array) const {
    for (const MenuItem& item : items_) {
        if (item.submenu == array) return item.ref;
    }
    return std::nullopt;
}

bool MenuBar::isEffective(MenuRef ref) const {
    for (const MenuItem* item = find(ref); item != nullptr;) {
        if (!item->enabled || !item->visible || item->isSeparator()) return false;
        std::optional<MenuRef> parent = parentOf(item->ref.array);
        if (!parent) return true;
        item = find(*parent);
    }
    return false;
}

}  // namespace quorvel
