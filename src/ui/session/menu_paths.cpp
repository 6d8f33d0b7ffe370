#include "ui/session/menu_paths.h"

namespace quorvel {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void AddPaths(const MenuBar& menus, Menu menu, const std::string& prefix,
              std::vector<MenuPath>& paths) {
    for (const MenuItem* item : menus.items(menu)) {
        if (item->isSeparator()) continue;
        const std::string text = prefix + ScriptCaption(item->caption);
        paths.push_back({item, text});
        if (item->submenu) AddPaths(menus, *item->submenu, text + " > ", paths);
    }
}

}  // namespace

std::string ScriptCaption(std::string_view caption) {
    std::string result;
    for (std::size_t at = 0; at < caption.size(); ++at) {
        // "&" marks the next character; "&&" is a plain "&".
        if (caption[at] == '&' && ++at == caption.size()) break;
        result += caption[at];
    }
    return std::string(Trimmed(result));
}

std::vector<MenuPath> AllMenuPaths(const MenuBar& menus) {
    std::vector<MenuPath> paths;
    AddPaths(menus, Menu::Bar, "", paths);
    return paths;
}

const MenuItem* FindMenuPath(const MenuBar& menus, std::string_view path) {
    std::optional<Menu> menu = Menu::Bar;
    while (true) {
        const auto separator = path.find('>');
        const std::string_view part = Trimmed(path.substr(0, separator));
        if (!menu) return nullptr;
        const MenuItem* found = nullptr;
        for (const MenuItem* item : menus.items(*menu)) {
            if (!item->isSeparator() && ScriptCaption(item->caption) == part) {
                found = item;
                menu = item->submenu;
                break;
            }
        }
        if (found == nullptr) return nullptr;
        if (separator == std::string_view::npos) return found;
        path.remove_prefix(separator + 1);
    }
}

}  // namespace quorvel
