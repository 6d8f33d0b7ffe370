#include "application/session/menu_paths.h"

namespace quorvel {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Appends the caption as a script names it (see scriptCaption).
void appendScriptCaption(std::string& out, std::string_view caption) {
    const std::size_t start = out.size();
    // "&" marks the next character, which is kept; "&&" is a plain "&".
    for (std::size_t at = 0; at < caption.size();) {
        const std::size_t marker = caption.find('&', at);
        out.append(caption.substr(at, marker - at));
        if (marker == std::string_view::npos || marker + 1 == caption.size()) break;
        out += caption[marker + 1];
        at = marker + 2;
    }
    const std::string_view added = trimmed(std::string_view(out).substr(start));
    const std::size_t lead = added.empty() ? 0 : added.data() - (out.data() + start);
    out.erase(start, lead);
    out.resize(start + added.size());
}

// Visits the items of `menu` and their drop-downs with `path` holding the path above them.
void visitPaths(const MenuBar& menus, Menu menu, std::string& path, const MenuPathVisitor& visit) {
    const std::size_t above = path.size();
    for (const MenuItem& item : menus.all()) {
        if (item.menu != menu || item.isSeparator()) continue;
        path.resize(above);
        appendScriptCaption(path, item.caption);
        visit(item, path);
        if (item.submenu) {
            path += " > ";
            visitPaths(menus, *item.submenu, path, visit);
        }
    }
    path.resize(above);
}

}  // namespace

std::string scriptCaption(std::string_view caption) {
    std::string result;
    appendScriptCaption(result, caption);
    return result;
}

void forEachMenuPath(const MenuBar& menus, const MenuPathVisitor& visit) {
    std::string path;
    visitPaths(menus, Menu::Bar, path, visit);
}

std::vector<MenuPath> allMenuPaths(const MenuBar& menus) {
    std::vector<MenuPath> paths;
    forEachMenuPath(menus, [&paths](const MenuItem& item, std::string_view path) {
        paths.push_back({&item, std::string(path)});
    });
    return paths;
}

const MenuItem* findMenuPath(const MenuBar& menus, std::string_view path) {
    std::optional<Menu> menu = Menu::Bar;
    std::string caption;
    while (true) {
        const auto separator = path.find('>');
        const std::string_view part = trimmed(path.substr(0, separator));
        if (!menu) return nullptr;
        const MenuItem* found = nullptr;
        for (const MenuItem& item : menus.all()) {
            if (item.menu != *menu || item.isSeparator()) continue;
            caption.clear();
            appendScriptCaption(caption, item.caption);
            if (caption == part) {
                found = &item;
                menu = item.submenu;
                break;
            }
        }
        if (found == nullptr) return nullptr;
        if (separator == std::string_view::npos) return found;
        path.remove_prefix(separator + 1);
    }
}

}  // namespace quorvel
