#include "application/shell/menu_bar.h"

#include <cctype>
#include <stdexcept>

#include "application/shell/version.h"
#include "engines/logic/optional_techniques.h"

namespace quorvel {

namespace {

// The menus, each in the order it shows its items.
//
// Adding a menu item: (1) name its command in `Command` (command.h); (2) add its row below where
// it shows; (3) register the handler once, in the part that carries the command out:
// `mainWindow.commands().setAction(Command::..., ...)` (or setStep when it reports whether it
// changed anything). Choosing, its shortcut, enabling (`MainWindow::setCommandEnabled`) and the
// session's `menu A > B` then work without further wiring.
std::vector<MenuItem> designItems() {
    using C = Command;
    using W = WindowAction;
    std::vector<MenuItem> items;
    Menu in = Menu::Bar;
    auto add = [&](std::string caption, Target target = {}, std::string shortcut = "") -> auto& {
        MenuItem& item = items.emplace_back();
        item.menu = in;
        item.caption = std::move(caption);
        item.target = target;
        item.shortcut = std::move(shortcut);
        item.setPuzzleFrame = in == Menu::SetPuzzle;
        return item;
    };
    auto opens = [&](Menu submenu, std::string caption, Target onOpen = {}) -> auto& {
        MenuItem& item = add(std::move(caption), onOpen);
        item.submenu = submenu;
        return item;
    };
    auto separator = [&] { add("-"); };
    auto checked = [](MenuItem& item) { item.checkable = item.checked = true; };

    opens(Menu::PuzzleGrid, "&Puzzle Grid     ");
    opens(Menu::SetPuzzle, "&Set Puzzle     ");
    opens(Menu::Database, "&Database     ");
    opens(Menu::AssistSolve, "&Assist Solve    ").enabled = false;
    opens(Menu::VisualAid, "&Visual Aid     ", C::PrepareColorNumber);
    opens(Menu::Help, "&Help     ");
    add("&Quit     ", W::Quit);
    add("S&top", W::Stop).visible = false;

    in = Menu::PuzzleGrid;
    add("&Nine", W::OpenNineGrid);
    add("&Fifteen", W::OpenFifteenGrid);
    separator();
    add("&Open Puzzle File...", C::OpenPuzzleFile, "Ctrl+O");
    // Off, and its places hidden, until a file has been opened (MainWindow::showRecentFiles).
    opens(Menu::OpenRecent, "Open &Recent").enabled = false;
    add("Save Puzzle &As...", C::SavePuzzleAs, "Ctrl+Shift+S");
    add("Cop&y Puzzle", C::CopyPuzzle, "Ctrl+C");
    add("Copy Puzzle &With Notes", C::CopyPuzzleWithNotes, "Ctrl+Alt+C");
    add("Copy Gi&vens", C::CopyGivens, "Ctrl+Shift+C");
    add("Pas&te Puzzle", C::PastePuzzle, "Ctrl+V");
    separator();
    add("&Print", C::Print);
    add("Print Boo&klet...", C::PrintBooklet);
    separator();
    add("&Create Text File", C::CreateTextFile);
    add("&Import Text File", C::ImportTextFile);
    add("Import &Batch", C::ImportBatch);
    separator();
    add(std::string("&Get Batch File ") + kBatchPage, W::OpenBatchPage);

    in = Menu::OpenRecent;
    for (std::size_t place = 0; place < kMostRecentFiles; ++place)
        add(recentFileCaption(place, ""), RecentFile{place}).visible = false;

    in = Menu::SetPuzzle;
    add("&Blank Grid", C::BlankGrid);
    add("&Lock Grid", C::LockGrid);
    add("&Unlock Grid", C::UnlockGrid);
    separator();
    add("&Create My Su Doku", C::CreateOwnPuzzle);
    add("&Save My Su Doku", C::SaveOwnPuzzle);
    // Off outside composing; the normal layout keeps them so.
    add("Store &Incomplete Effort", C::StoreIncompleteEffort).enabled = false;
    add("&Get Last Incomplete Effort", C::GetLastIncompleteEffort);
    add("&Resume Last Game", C::ResumeLastGame);
    add("&Practise a Technique...", C::PractiseTechnique);
    for (int count = 0; count < 4; ++count)
        separator();
    add("&Open sudoko01.html", C::OpenComposePage);
    add("&Test Screen (As in Web Page)", C::TestScreen);
    separator();
    add("&Quit Create My Su Doku", C::QuitCreateOwnPuzzle).enabled = false;

    in = Menu::Database;
    add("&Get Puzzle from Database", C::GetPuzzle, "F2");
    add("&Show Solution (Stored)", C::ShowStoredSolution, "F3");
    add("Store Solution in &Database", C::StoreSolution, "Ctrl+F2");
    separator();
    add("Save &Incomplete Puzzle", C::SaveIncompletePuzzle);
    add("Get Incomplete &Puzzle", C::GetIncompletePuzzle);
    add("Import Co&llection...", C::ImportCollection);
    separator();
    add("&Delete Puzzle from Database", C::DeletePuzzle).enabled = false;
    separator();
    add("&Computer Generated Puzzle", C::ComputerGeneratedPuzzle);
    checked(add("&Unique Puzzles Only", W::UniquePuzzlesOnly));

    in = Menu::AssistSolve;
    add("Check For &Single", C::CheckForSingle, "F8");
    add("Get &Next", C::GetNext, "F12");
    separator();
    add("&Explain Next Step", C::ExplainNextStep, "F4");
    add("Check &Puzzle", C::CheckPuzzle, "F11");
    add("Show &Mistakes", C::ShowMistakes, "Shift+F11");
    add("&Rate Puzzle", C::RatePuzzle);
    opens(Menu::Solve, "Sol&ve");
    opens(Menu::OptionalTechniques, "Optional &Techniques");

    in = Menu::Solve;
    add("&Mild Attack", C::MildAttack, "F5");
    add("&Brute Force", C::BruteForce, "F6");
    add("&Number Crunch", C::NumberCrunch, "F7");
    add("&Exact Solve", C::ExactSolve, "Shift+F7");

    // Off unless the user turns them on (MainWindow::loadSettings sets the marks).
    in = Menu::OptionalTechniques;
    std::vector<std::string> names;
    for (const logic::TechniqueInfo& info : logic::optionalTechniques())
        names.emplace_back(info.name);
    const std::vector<std::string> captions = optionalTechniqueCaptions(names);
    for (std::size_t place = 0; place < captions.size(); ++place)
        add(captions[place], OptionalTechnique{place}).checkable = true;

    in = Menu::VisualAid;
    add("&Color Number   (CTRL-Left Button Click)", C::ColorNumber);
    checked(add("Show &Possibilities (Tip)", C::ShowPossibilitiesTip, "F9"));
    checked(add("Sho&w Possibilities (Panel)", C::ShowPossibilitiesPanel));
    separator();
    add("Pause &Timer", C::PauseTimer);
    separator();
    add("&Notes Mode", W::NotesMode, "Ctrl+N").checkable = true;
    add("&Fill All Notes", C::FillAllNotes);
    add("C&lear All Notes", C::ClearAllNotes);
    checked(add("&Remove Notes On Entry", W::RemoveNotesOnEntry));
    separator();
    checked(add("Show Conflict&s", W::ShowConflicts));
    add("Filter &Value...", C::FilterValue);
    add("Clear Colourin&g", C::ClearColouring);
    separator();
    opens(Menu::Zoom, "&Zoom");
    opens(Menu::Theme, "T&heme");

    in = Menu::Zoom;
    checked(add("&100 %", W::Zoom100));
    add("1&25 %", W::Zoom125).checkable = true;
    add("1&50 %", W::Zoom150).checkable = true;
    add("2&00 %", W::Zoom200).checkable = true;

    in = Menu::Theme;
    checked(add("&Classic", W::ThemeClassic));
    add("&Dark", W::ThemeDark).checkable = true;
    add("&Follow Desktop", W::ThemeFollowDesktop).checkable = true;

    in = Menu::Help;
    add("&General Help", W::GeneralHelp, "F1");
    add("&Statistics...", C::ShowStatistics);
    add("&Reset Statistics...", C::ResetStatistics);
    separator();
    add("&About Quorvel", W::About);
    return items;
}

}  // namespace

std::vector<std::string> optionalTechniqueCaptions(const std::vector<std::string>& names) {
    std::string taken;
    std::vector<std::string> captions;
    for (const std::string& name : names) {
        std::size_t at = std::string::npos;
        const auto free = [&](std::size_t i) {
            return std::isalnum(static_cast<unsigned char>(name[i])) &&
                   taken.find(static_cast<char>(std::toupper(name[i]))) == std::string::npos;
        };
        for (std::size_t i = 0; i < name.size() && at == std::string::npos; ++i)
            if ((i == 0 || name[i - 1] == ' ' || name[i - 1] == '-') && free(i)) at = i;
        for (std::size_t i = 0; i < name.size() && at == std::string::npos; ++i)
            if (free(i)) at = i;
        std::string caption = name;
        if (at != std::string::npos) {
            taken += static_cast<char>(std::toupper(name[at]));
            caption.insert(at, 1, '&');
        }
        captions.push_back(caption);
    }
    return captions;
}

std::string recentFileCaption(std::size_t place, std::string_view file) {
    std::string caption = "&" + std::to_string(place + 1);
    const std::size_t slash = file.find_last_of('/');
    if (!file.empty()) caption += " " + std::string(file.substr(slash + 1));
    // A "&" in a file name is shown as it is.
    for (std::size_t at = caption.find('&', 1); at != std::string::npos;
         at = caption.find('&', at + 2))
        caption.insert(at, 1, '&');
    return caption;
}

// The rows are made once; every menu bar starts from a copy.
MenuBar::MenuBar()
    : items_([] {
          static const std::vector<MenuItem> design = designItems();
          return design;
      }()) {
    titles_.fill(-1);
    for (std::size_t index = 0; index < items_.size(); ++index) {
        const std::optional<Menu> submenu = items_[index].submenu;
        if (submenu && titles_[static_cast<std::size_t>(*submenu)] < 0)
            titles_[static_cast<std::size_t>(*submenu)] = static_cast<int>(index);
    }
}

std::vector<const MenuItem*> MenuBar::items(Menu menu) const {
    std::vector<const MenuItem*> result;
    for (const MenuItem& item : items_) {
        if (item.menu == menu) result.push_back(&item);
    }
    return result;
}

const MenuItem* MenuBar::find(const Target& target) const {
    if (std::holds_alternative<std::monostate>(target)) return nullptr;
    for (const MenuItem& item : items_) {
        if (item.target == target) return &item;
    }
    return nullptr;
}

MenuItem* MenuBar::find(const Target& target) {
    return const_cast<MenuItem*>(static_cast<const MenuBar*>(this)->find(target));
}

const MenuItem& MenuBar::at(const Target& target) const {
    const MenuItem* item = find(target);
    if (item == nullptr) throw std::out_of_range("no menu item carries this command");
    return *item;
}

const MenuItem* MenuBar::title(Menu menu) const {
    const int index = titles_[static_cast<std::size_t>(menu)];
    return index < 0 ? nullptr : &items_[static_cast<std::size_t>(index)];
}

MenuItem* MenuBar::title(Menu menu) {
    return const_cast<MenuItem*>(static_cast<const MenuBar*>(this)->title(menu));
}

bool MenuBar::isEffective(const MenuItem& item) const {
    for (const MenuItem* at = &item; at != nullptr; at = title(at->menu)) {
        if (!at->enabled || !at->visible || at->isSeparator()) return false;
    }
    return true;
}

}  // namespace quorvel
