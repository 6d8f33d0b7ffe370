#pragma once
// A modal window as a script acts on it while it is open: a dialog the core describes, the about
// window or a file dialog. Each shows a title, a prompt and perhaps an answer box, takes
// keys and presses its buttons by caption.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "application/grid/dialog.h"
#include "application/grid/key_event.h"
#include "application/host.h"

namespace quorvel {

class AboutWindow;

class OpenDialog {
  public:
    virtual ~OpenDialog() = default;

    virtual std::string title() const = 0;
    virtual std::string prompt() const = 0;
    // The text of the answer box; nullopt when the window shows none.
    virtual std::optional<std::string> answer() const { return std::nullopt; }
    // Presses the button captioned `caption` (or the level label); false when none shows it.
    virtual bool press(std::string_view caption) = 0;
    // Every caption `press` takes now, in the window's order.
    virtual std::vector<std::string> buttons() const = 0;
    // A key pressed in the window. Escape answers as the window's close box does.
    virtual void key(const KeyEvent& event) = 0;
    // File dialogs only: takes the chosen path, or cancels with nullopt. False elsewhere.
    virtual bool chooseFile(const std::optional<std::string>& /*path*/) { return false; }
    virtual bool closed() const = 0;
};

// Any dialog the core describes as data: its prompt is the form's, its answer the text of the box
// that has the focus (or of the first box it shows), its buttons the captions of the options and
// buttons it shows, in the form's order.
class DialogWindow : public OpenDialog {
  public:
    explicit DialogWindow(Dialog& dialog) : dialog_(dialog) {}
    std::string title() const override { return dialog_.form().title; }
    std::string prompt() const override { return dialog_.form().prompt; }
    std::optional<std::string> answer() const override;
    bool press(std::string_view caption) override;
    std::vector<std::string> buttons() const override;
    void key(const KeyEvent& event) override;
    bool closed() const override { return dialog_.closed(); }

  private:
    Dialog& dialog_;
};

// The about window, which is also the exit confirmation.
class AboutDialogWindow : public OpenDialog {
  public:
    explicit AboutDialogWindow(AboutWindow& about) : about_(about) {}
    std::string title() const override;
    std::string prompt() const override;
    bool press(std::string_view caption) override;
    std::vector<std::string> buttons() const override;
    void key(const KeyEvent& event) override;
    bool closed() const override;

  private:
    AboutWindow& about_;
};

// The common open/save file dialog; its prompt is the file filter.
class FileDialogWindow : public OpenDialog {
  public:
    explicit FileDialogWindow(FileDialogRequest request) : request_(std::move(request)) {}
    std::string title() const override { return request_.title; }
    std::string prompt() const override { return request_.filter; }
    bool press(std::string_view caption) override;
    std::vector<std::string> buttons() const override { return {"Cancel"}; }
    void key(const KeyEvent& event) override;
    bool chooseFile(const std::optional<std::string>& path) override;
    bool closed() const override { return closed_; }
    const FileDialogRequest& request() const { return request_; }
    const std::optional<std::string>& chosen() const { return chosen_; }

  private:
    FileDialogRequest request_;
    std::optional<std::string> chosen_;
    bool closed_ = false;
};

}  // namespace quorvel
