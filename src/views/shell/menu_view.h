#pragma once
// The real menu bar built from the main window's menu data. Choosing an item, pressing its
// shortcut or opening a top-level menu is handed to the core; refresh() then shows the state the
// core decided (caption, visible, enabled, check mark).

#include "application/shell/menu_bar.h"

#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace quorvel::view {

class MenuView : public QObject {
    Q_OBJECT

  public:
    using Handler = std::function<void(const MenuItem&)>;

    // chosen: an item (or an item on the bar without drop-down) was chosen; opened: the
    // drop-down of a title on the bar is about to show.
    MenuView(QMenuBar* bar, const MenuBar& menus, Handler chosen, Handler opened);

    void refresh();
    QAction* actionFor(const MenuItem& item) const;

  private:
    struct Entry {
        const MenuItem* item;
        QAction* action;
    };

    void fill(QMenu* menu, Menu items);
    QAction* addItem(QMenu* menu, const MenuItem& item);

    QMenuBar* bar_;
    const MenuBar& menus_;
    Handler chosen_;
    Handler opened_;
    std::vector<Entry> entries_;
};

}  // namespace quorvel::view
