#include "application/session/open_dialog.h"

#include "application/shell/about_window.h"

namespace quorvel {

// ---- dialog described as data ----------------------------------------------------------------

namespace {

bool isBox(const DialogField& field) {
    return field.visible && (field.kind == FieldKind::Answer || field.kind == FieldKind::Number ||
                             field.kind == FieldKind::Line);
}

// A button's caption as the user reads it: without the mark of its access key.
std::string shownCaption(const std::string& caption) {
    std::string shown;
    for (const char letter : caption) {
        if (letter != '&') shown += letter;
    }
    return shown;
}

}  // namespace

std::optional<std::string> DialogWindow::answer() const {
    const DialogForm form = dialog_.form();
    if (form.focus >= 0 && form.focus < static_cast<int>(form.fields.size()) &&
        isBox(form.fields[static_cast<std::size_t>(form.focus)])) {
        return form.fields[static_cast<std::size_t>(form.focus)].box.text;
    }
    for (const DialogField& field : form.fields) {
        if (isBox(field)) return field.box.text;
    }
    return std::nullopt;
}

bool DialogWindow::press(std::string_view caption) {
    const DialogForm form = dialog_.form();
    for (std::size_t index = 0; index < form.fields.size(); ++index) {
        const DialogField& field = form.fields[index];
        if (!field.visible) continue;
        const int at = static_cast<int>(index);
        if (field.kind == FieldKind::Button && shownCaption(field.caption) == caption) {
            dialog_.press(at);
            return true;
        }
        if (field.kind != FieldKind::Choice) continue;
        for (std::size_t option = 0; option < field.options.size(); ++option) {
            if (field.options[option] != caption) continue;
            dialog_.choose(at, static_cast<int>(option));
            return true;
        }
    }
    return false;
}

std::vector<std::string> DialogWindow::buttons() const {
    std::vector<std::string> captions;
    for (const DialogField& field : dialog_.form().fields) {
        if (!field.visible) continue;
        if (field.kind == FieldKind::Button) captions.push_back(shownCaption(field.caption));
        if (field.kind == FieldKind::Choice)
            captions.insert(captions.end(), field.options.begin(), field.options.end());
    }
    return captions;
}

void DialogWindow::key(const KeyEvent& event) {
    if (event.code == key::kEscape) {
        dialog_.dismiss();
    } else {
        dialog_.key(event);
    }
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
