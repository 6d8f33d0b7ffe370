#include "application/shell/about_window.h"

#include "application/grid/dialog_exchange.h"
#include "application/grid/dialog_titles.h"
#include "application/host.h"
#include "application/shell/toolbar.h"
#include "application/shell/version.h"

namespace quorvel {

AboutWindow::AboutWindow(Host& host, DialogExchange& dialogs) : host_(host), dialogs_(dialogs) {}

void AboutWindow::load(bool exitMode) {
    title_ = kProgramTitle;
    version_ = aboutVersionText();
    description_ =
        "An assistant for Sudoku puzzles on 9 x 9 and 15 x 15 grids: it checks, hints, solves, "
        "generates and keeps your puzzles.";
    webSite_ = kMakerSite;
    webSiteColour_ = kLinkBlue;
    webSiteFlashing_ = false;
    exitPanelVisible_ = exitMode;
    closed_ = false;
    answer_ = ExitAnswer::None;
    changed();
}

void AboutWindow::okClicked() {
    close(ExitAnswer::None);
}

void AboutWindow::webSiteClicked() {
    webSiteFlashing_ = true;
    changed();
    host_.processEvents();
    host_.sleepMs(Toolbar::kFlashMs);
    webSiteFlashing_ = false;
    webSiteColour_ = kVisitedLink;
    changed();
    dialogs_.openWebAddress(kMakerSite);
}

void AboutWindow::systemInfoClicked() {
    if (!host_.runSystemInfo()) {
        dialogs_.ask(std::string(kQuorvelTitle), "System Information Is Unavailable At This Time",
                     "");
    }
}

void AboutWindow::exitAnswerClicked(int index) {
    if (index == 0) close(ExitAnswer::Yes);
    if (index == 1) close(ExitAnswer::No);
}

void AboutWindow::closeByFrame() {
    close(ExitAnswer::None);
}

void AboutWindow::close(ExitAnswer answer) {
    if (closed_) return;
    answer_ = answer;
    closed_ = true;
    changed();
}

void AboutWindow::changed() {
    if (onChanged_) onChanged_();
}

}  // namespace quorvel
