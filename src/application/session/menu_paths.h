#pragma once
// Menu items named by their captions, as a script writes them: "Database > Get Puzzle from
// Database", "Assist Solve > Solve > Number Crunch", "Quit". Each caption is trimmed and loses
// its "&" marker.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "application/shell/menu_bar.h"

namespace quorvel {

struct MenuPath {
    const MenuItem* item;
    std::string text;
};

// A caption as a script names it: blanks trimmed, "&" markers removed ("&&" stays one "&").
std::string scriptCaption(std::string_view caption);

// Every item except separators, in menu order: each item that opens a drop-down is followed by
// the drop-down's items.
std::vector<MenuPath> allMenuPaths(const MenuBar& menus);
// The same items and paths one at a time, without keeping them; the path is valid during the
// call only.
using MenuPathVisitor = std::function<void(const MenuItem& item, std::string_view path)>;
void forEachMenuPath(const MenuBar& menus, const MenuPathVisitor& visit);

// The item a path names (parts separated by ">", blanks around them ignored); nullptr when
// there is none.
const MenuItem* findMenuPath(const MenuBar& menus, std::string_view path);

}  // namespace quorvel
