#include "ui/shell/view/menu_view.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace quorvel::view {

namespace {

// The menu bar's titles end in blanks that space them out; the bar has its own spacing, and
// without the blanks every title still fits at the narrower width of the create layout.
QString TitleText(const MenuItem& item) {
    QString text = QString::fromStdString(item.caption);
    if (item.ref.array != MenuArray::Top) return text;
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
    for (const MenuItem* top : menus_.items(MenuArray::Top)) {
        if (top->submenu) {
            auto* menu = new QMenu(TitleText(*top), bar_);
            fill(menu, *top->submenu);
            const MenuRef ref = top->ref;
            connect(menu, &QMenu::aboutToShow, this, [this, ref] { opened_(ref); });
            entries_.push_back({ref, bar_->addMenu(menu)});
        } else {
            entries_.push_back({top->ref, addItem(nullptr, *top)});
        }
    }
    refresh();
}

void MenuView::fill(QMenu* menu, MenuArray array) {
    for (const MenuItem* item : menus_.items(array)) {
        if (item->isSeparator()) {
            entries_.push_back({item->ref, menu->addSeparator()});
        } else if (item->submenu) {
            QMenu* submenu = menu->addMenu(QString::fromStdString(item->caption));
            fill(submenu, *item->submenu);
            entries_.push_back({item->ref, submenu->menuAction()});
        } else {
            entries_.push_back({item->ref, addItem(menu, *item)});
        }
    }
}

QAction* MenuView::addItem(QMenu* menu, const MenuItem& item) {
    auto* action = new QAction(TitleText(item), this);
    if (!item.shortcut.empty()) {
        action->setShortcut(QKeySequence(QString::fromStdString(item.shortcut)));
        // Shortcuts work from anywhere in the main window, also while a cell has the focus.
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    const MenuRef ref = item.ref;
    connect(action, &QAction::triggered, this, [this, ref] { chosen_(ref); });
    if (menu != nullptr) {
        menu->addAction(action);
    } else {
        bar_->addAction(action);
    }
    return action;
}

QAction* MenuView::actionFor(MenuRef ref) const {
    for (const Entry& entry : entries_) {
        if (entry.ref == ref) return entry.action;
    }
    return nullptr;
}

void MenuView::refresh() {
    for (const Entry& entry : entries_) {
        const MenuItem* item = menus_.find(entry.ref);
        if (item == nullptr) continue;
        QAction* action = entry.action;
        if (!item->isSeparator()) action->setText(TitleText(*item));
        action->setVisible(item->visible);
        // An item inside a disabled drop-down is out of reach, and so is its shortcut.
        const bool topLevel = entry.ref.array == MenuArray::Top;
        action->setEnabled(topLevel ? item->enabled : menus_.isEffective(entry.ref));
        action->setCheckable(item->checkable);
        if (item->checkable) action->setChecked(item->checked);
    }
}

}  // namespace quorvel::view
