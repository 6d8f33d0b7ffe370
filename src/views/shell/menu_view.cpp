#include "views/shell/menu_view.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace quorvel::view {

namespace {

// The menu bar's titles end in blanks that space them out; the bar has its own spacing, and
// without the blanks every title still fits at the narrower width of the create layout.
QString titleText(const MenuItem& item) {
    QString text = QString::fromStdString(item.caption);
    if (item.menu != Menu::Bar) return text;
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

}  // namespace

MenuView::MenuView(QMenuBar* bar, const MenuBar& menus, Handler chosen, Handler opened)
    : QObject(bar),
      bar_(bar),
      menus_(menus),
      chosen_(std::move(chosen)),
      opened_(std::move(opened)) {
    for (const MenuItem* top : menus_.items(Menu::Bar)) {
        if (top->submenu) {
            auto* menu = new QMenu(titleText(*top), bar_);
            fill(menu, *top->submenu);
            connect(menu, &QMenu::aboutToShow, this, [this, top] { opened_(*top); });
            entries_.push_back({top, bar_->addMenu(menu)});
        } else {
            entries_.push_back({top, addItem(nullptr, *top)});
        }
    }
    refresh();
}

void MenuView::fill(QMenu* menu, Menu items) {
    for (const MenuItem* item : menus_.items(items)) {
        if (item->isSeparator()) {
            entries_.push_back({item, menu->addSeparator()});
        } else if (item->submenu) {
            QMenu* submenu = menu->addMenu(QString::fromStdString(item->caption));
            fill(submenu, *item->submenu);
            entries_.push_back({item, submenu->menuAction()});
        } else {
            entries_.push_back({item, addItem(menu, *item)});
        }
    }
}

QAction* MenuView::addItem(QMenu* menu, const MenuItem& item) {
    auto* action = new QAction(titleText(item), this);
    if (!item.shortcut.empty()) {
        action->setShortcut(QKeySequence(QString::fromStdString(item.shortcut)));
        // Shortcuts work from anywhere in the main window, also while a cell has the focus.
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    connect(action, &QAction::triggered, this, [this, &item] { chosen_(item); });
    if (menu != nullptr) {
        menu->addAction(action);
    } else {
        bar_->addAction(action);
    }
    return action;
}

QAction* MenuView::actionFor(const MenuItem& item) const {
    for (const Entry& entry : entries_) {
        if (entry.item == &item) return entry.action;
    }
    return nullptr;
}

void MenuView::refresh() {
    for (const Entry& entry : entries_) {
        const MenuItem& item = *entry.item;
        QAction* action = entry.action;
        if (!item.isSeparator()) action->setText(titleText(item));
        action->setVisible(item.visible);
        // An item inside a disabled drop-down is out of reach, and so is its shortcut.
        const bool onBar = item.menu == Menu::Bar;
        action->setEnabled(onBar ? item.enabled : menus_.isEffective(item));
        action->setCheckable(item.checkable);
        if (item.checkable) action->setChecked(item.checked);
    }
}

}  // namespace quorvel::view
