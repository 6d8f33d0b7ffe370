#include "support/fake_host.h"

#include <algorithm>

#include "application/fixed_width_text.h"
#include "application/grid/input_dialog.h"
#include "application/grid/message_dialog.h"
#include "application/shell/about_window.h"

namespace quorvel::testing {

void FakeHost::runDialog(Dialog& dialog) {
    const DialogForm form = dialog.form();
    if (auto* box = dynamic_cast<MessageDialog*>(&dialog)) {
        const bool question = form.fields.size() > 2;  // the words, Yes and No
        log.push_back((question ? "ask:" : "notice:") + form.title);
        log.push_back("text:" + form.prompt);
        const bool yes = question && !yesNoAnswers.empty() && yesNoAnswers.front();
        if (question && !yesNoAnswers.empty()) yesNoAnswers.pop_front();
        box->press(yes ? 1 : static_cast<int>(form.fields.size()) - 1);
        return;
    }
    dialogTitles.push_back(form.title);
    log.push_back("dialog:" + form.title);
    auto* input = dynamic_cast<InputDialog*>(&dialog);
    if (input != nullptr && !dialogScripts.empty()) {
        auto script = std::move(dialogScripts.front());
        dialogScripts.pop_front();
        script(*input);
    }
    if (!dialog.closed()) dialog.dismiss();
}

std::optional<std::string> FakeHost::chooseFile(const FileDialogRequest& request) {
    log.push_back("file:" + request.title);
    if (fileChoices.empty()) return std::nullopt;
    auto choice = fileChoices.front();
    fileChoices.pop_front();
    return choice;
}

bool FakeHost::printPage(const PrintPage&) {
    log.push_back("print");
    return printerTakesPages;
}

bool FakeHost::openUrl(const std::string& url) {
    log.push_back("url:" + url);
    openedUrls.push_back(url);
    return true;
}

void FakeHost::processEvents() {
    ++processEventsCount;
    if (onProcessEvents) onProcessEvents();
}

void FakeHost::setDrawingSuspended(bool suspended) {
    freezeCalls.push_back(suspended);
    log.push_back(suspended ? "freeze" : "unfreeze");
}

void FakeHost::sleepMs(int milliseconds) {
    tick += milliseconds;
    log.push_back("sleep:" + std::to_string(milliseconds));
}

bool FakeHost::changeDisplayMode(const DisplayMode& mode) {
    return applyDisplayMode(mode) != DisplayChange::Failed;
}

DisplayChange FakeHost::applyDisplayMode(const DisplayMode& mode) {
    log.push_back("mode:" + std::to_string(mode.width) + "x" + std::to_string(mode.height));
    if (displayChange != DisplayChange::Failed && screen) {
        screen->width = mode.width;
        screen->height = mode.height;
    }
    return displayChange;
}

void FakeHost::runAbout(AboutWindow& about) {
    log.push_back("about:" + about.caption());
    if (!aboutScripts.empty()) {
        auto script = std::move(aboutScripts.front());
        aboutScripts.pop_front();
        script(about);
    }
    if (!about.closed()) about.okClicked();
}

bool FakeHost::runSystemInfo() {
    log.push_back("sysinfo");
    return systemInfoAvailable;
}

TextMeasure FakeHost::measureText(const std::string& text, const std::string& fontFamily,
                                  int points, int widthTwips) {
    if (measure) return measure(text, fontFamily, points, widthTwips);
    return measureFixedWidth(text, points, widthTwips, charWidthTwips);
}

void FakeHost::minimiseMainWindow() {
    log.push_back("minimise");
}

void FakeHost::quit() {
    log.push_back("quit");
}

bool FakeHost::logged(const std::string& entry) const {
    return std::find(log.begin(), log.end(), entry) != log.end();
}

std::vector<std::string> FakeHost::loggedWith(const std::string& prefix) const {
    std::vector<std::string> result;
    for (const std::string& entry : log) {
        if (entry.rfind(prefix, 0) == 0) result.push_back(entry);
    }
    return result;
}

}  // namespace quorvel::testing
