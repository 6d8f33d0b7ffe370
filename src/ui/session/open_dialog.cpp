#include "ui/session/open_dialog.h"

#include "ui/grid/input_dialog.h"
#include "ui/print/booklet_dialog.h"
#include "ui/shell/about_window.h"

namespace quorvel {

// ---- input dialog ----------------------------------------------------------------------------

std::string InputDialogWindow::title() const {
    return dialog_.caption();
}

std::string InputDialogWindow::prompt() const {
    return dialog_.prompt();
}

std::optional<std::string> InputDialogWindow::answer() const {
    if (!dialog_.answerVisible()) return std::nullopt;
    return dialog_.answerBox().text;
}

bool InputDialogWindow::press(std::string_view caption) {
    if (caption == "OK") {
        dialog_.okClicked();
        return true;
    }
    if (caption == "Cancel" && dialog_.cancelVisible()) {
        dialog_.cancelClicked();
        return true;
    }
    if (caption == kImportAllCaption && dialog_.importAllVisible()) {
        dialog_.importAllClicked();
        return true;
    }
    for (int level = 1; dialog_.levelLabelsVisible() && level <= 4; ++level) {
        if (caption == kLevelCaptions[static_cast<std::size_t>(level - 1)]) {
            dialog_.levelLabelClicked(level);
            return true;
        }
    }
    return false;
}

std::vector<std::string> InputDialogWindow::buttons() const {
    std::vector<std::string> captions{"OK"};
    if (dialog_.cancelVisible()) captions.emplace_back("Cancel");
    if (dialog_.importAllVisible()) captions.emplace_back(kImportAllCaption);
    if (dialog_.levelLabelsVisible())
        captions.insert(captions.end(), kLevelCaptions.begin(), kLevelCaptions.end());
    return captions;
}

void InputDialogWindow::key(const KeyEvent& event) {
    if (event.code == key::kEscape) {
        dialog_.cancelClicked();
    } else {
        dialog_.key(event);
    }
}

bool InputDialogWindow::closed() const {
    return dialog_.closed();
}

// ---- about window ----------------------------------------------------------------------------

std::string AboutDialogWindow::title() const {
    return about_.caption();
}

std::string AboutDialogWindow::prompt() const {
    if (about_.exitPanelVisible()) {
        return std::string(AboutWindow::kExitQuestion) + AboutWindow::kExitWord;
    }
    return about_.description();
}

bool AboutDialogWindow::press(std::string_view caption) {
    if (caption == "OK") {
        about_.okClicked();
    } else if (caption == "System Info...") {
        about_.systemInfoClicked();
    } else if (caption == "Yes" && about_.exitPanelVisible()) {
        about_.exitAnswerClicked(0);
    } else if (caption == "No" && about_.exitPanelVisible()) {
        about_.exitAnswerClicked(1);
    } else {
        return false;
    }
    return true;
}

std::vector<std::string> AboutDialogWindow::buttons() const {
    if (about_.exitPanelVisible()) return {"OK", "System Info...", "Yes", "No"};
    return {"OK", "System Info..."};
}

void AboutDialogWindow::key(const KeyEvent& event) {
    if (event.code == key::kEscape) about_.closeByFrame();
}

bool AboutDialogWindow::closed() const {
    return about_.closed();
}

// ---- booklet dialog ---------------------------------------------------------------------------

std::string BookletDialogWindow::title() const {
    return std::string(kBookletTitle);
}

std::string BookletDialogWindow::prompt() const {
    const std::string& problem = dialog_.problem();
    return dialog_.summary() + (problem.empty() ? "" : "\r\n" + problem);
}

std::optional<std::string> BookletDialogWindow::answer() const {
    return dialog_.boxText(dialog_.focus());
}

bool BookletDialogWindow::press(std::string_view caption) {
    if (caption == "OK") {
        dialog_.ok();
    } else if (caption == "Cancel") {
        dialog_.cancel();
    } else {
        return dialog_.choose(caption);
    }
    return true;
}

std::vector<std::string> BookletDialogWindow::buttons() const {
    std::vector<std::string> captions;
    for (const BookletChoiceGroup& group : dialog_.groups())
        captions.insert(captions.end(), group.options.begin(), group.options.end());
    captions.emplace_back("OK");
    captions.emplace_back("Cancel");
    return captions;
}

void BookletDialogWindow::key(const KeyEvent& event) {
    dialog_.key(event);
}

bool BookletDialogWindow::closed() const {
    return dialog_.closed();
}

// ---- message box -----------------------------------------------------------------------------

bool MessageBoxWindow::press(std::string_view caption) {
    for (const std::string& button : buttons_) {
        if (button == caption) {
            pressed_ = button;
            return true;
        }
    }
    return false;
}

void MessageBoxWindow::key(const KeyEvent& event) {
    if (event.code == key::kEscape && !buttons_.empty()) pressed_ = buttons_.back();
}

// ---- file dialog -----------------------------------------------------------------------------

bool FileDialogWindow::press(std::string_view caption) {
    if (caption != "Cancel") return false;
    closed_ = true;
    return true;
}

void FileDialogWindow::key(const KeyEvent& event) {
    if (event.code == key::kEscape) closed_ = true;
}

bool FileDialogWindow::chooseFile(const std::optional<std::string>& path) {
    chosen_ = path;
    closed_ = true;
    return true;
}

}  // namespace quorvel
