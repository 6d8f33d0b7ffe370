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
    MenuItem result = item(MenuArray::Mtop, index, std::move(caption));
    result.submenu = submenu;
    return result;
}

std::vector<MenuItem> designItems() {
    using A = MenuArray;
    std::vector<MenuItem> items;
    auto add = [&](MenuItem m) -> MenuItem& { return items.emplace_back(std::move(m)); };

    add(top(0, "&Puzzle Grid     ", A::MenuA));
    add(top(1, "&Set Puzzle     ", A::MenuB));
    add(top(2, "&Database     ", A::MenuC));
    add(top(3, "&Assist Solve    ", A::MenuE)).enabled = false;
    add(top(5, "&Visual Aid     ", A::MenuG));
    add(top(6, "&Help     ", A::MenuD));
    add(top(7, "&Quit     ", std::nullopt));
    add(top(8, "S&top", std::nullopt)).visible = false;

    add(item(A::MenuA, 0, "&Nine"));
    add(item(A::MenuA, 1, "&Fifteen"));
    add(separator(A::MenuA, 2));
    add(item(A::MenuA, 11, "&Open Puzzle File...", "Ctrl+O"));
    add(item(A::MenuA, 12, "Save Puzzle &As...", "Ctrl+Shift+S"));
    add(item(A::MenuA, 13, "&Copy Puzzle", "Ctrl+C"));
    add(item(A::MenuA, 14, "Copy &Givens", "Ctrl+Shift+C"));
    add(item(A::MenuA, 15, "Pas&te Puzzle", "Ctrl+V"));
    add(separator(A::MenuA, 10));
    add(item(A::MenuA, 3, "&Print"));
    add(separator(A::MenuA, 4));
    add(item(A::MenuA, 5, "&Create Text File"));
    add(item(A::MenuA, 6, "&Import Text File"));
    add(item(A::MenuA, 7, "Import &Batch"));
    add(separator(A::MenuA, 8));
    add(item(A::MenuA, 9, std::string("&Get Batch File ") + kBatchPage));

    add(item(A::MenuB, 0, "&Blank Grid"));
    add(item(A::MenuB, 1, "&Lock Grid"));
    add(item(A::MenuB, 2, "&Unlock Grid"));
    add(separator(A::MenuB, 3));
    add(item(A::MenuB, 4, "&Create My Su Doku"));
    add(item(A::MenuB, 5, "&Save My Su Doku"));
    // Off outside composing; the normal layout keeps them so.
    add(item(A::MenuB, 6, "Store &Incomplete Effort")).enabled = false;
    add(item(A::MenuB, 7, "&Get Last Incomplete Effort"));
    for (int index = 8; index <= 11; ++index)
        add(separator(A::MenuB, index));
    add(item(A::MenuB, 12, "&Open sudoko01.html"));
    add(item(A::MenuB, 13, "&Test Screen (As in Web Page)"));
    add(separator(A::MenuB, 14));
    add(item(A::MenuB, 15, "&Quit Create My Su Doku")).enabled = false;

    add(item(A::MenuC, 0, "&Get Puzzle from Database", "F2"));
    add(item(A::MenuC, 1, "&Show Solution (Stored)", "F3"));
    add(item(A::MenuC, 2, "Store Solution in &Database", "Ctrl+F2"));
    add(separator(A::MenuC, 3));
    add(item(A::MenuC, 4, "Save &Incomplete Puzzle"));
    add(item(A::MenuC, 5, "Get Incomplete &Puzzle"));
    add(item(A::MenuC, 11, "Import &Collection..."));
    add(separator(A::MenuC, 6));
    add(item(A::MenuC, 7, "&Delete Puzzle from Database")).enabled = false;
    add(separator(A::MenuC, 8));
    add(item(A::MenuC, 9, "&Computer Generated Puzzle"));
    MenuItem& unique = add(item(A::MenuC, 10, "&Unique Puzzles Only"));
    unique.checkable = unique.checked = true;

    add(item(A::MenuE, 2, "Check For &Single", "F8"));
    add(item(A::MenuE, 3, "Get &Next", "F12"));
    add(separator(A::MenuE, 8));
    add(item(A::MenuE, 9, "Explain Next &Step", "F4"));
    add(item(A::MenuE, 5, "Check &Puzzle", "F11"));
    add(item(A::MenuE, 6, "Show &Mistakes", "Shift+F11"));
    add(item(A::MenuE, 7, "&Rate Puzzle"));
    add(item(A::MenuE, 4, "Sol&ve")).submenu = A::MenuEA;

    add(item(A::MenuEA, 0, "&Mild Attack", "F5"));
    add(item(A::MenuEA, 1, "&Brute Force", "F6"));
    add(item(A::MenuEA, 2, "&Number Crunch", "F7"));
    add(item(A::MenuEA, 3, "&Exact Solve", "Shift+F7"));

    add(item(A::MenuG, 0, "&Color Number   (CTRL-Left Button Click)"));
    MenuItem& tip = add(item(A::MenuG, 1, "Show &Possibilities (Tip)", "F9"));
    tip.checkable = tip.checked = true;
    MenuItem& panel = add(item(A::MenuG, 2, "Sho&w Possibilities (Panel)"));
    panel.checkable = panel.checked = true;
    add(separator(A::MenuG, 3));
    add(item(A::MenuG, 4, "Pause &Timer"));

    add(item(A::MenuD, 0, "&General Help", "F1"));
    add(separator(A::MenuD, 1));
    add(item(A::MenuD, 2, "&About Quorvel"));
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
