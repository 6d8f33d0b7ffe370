#pragma once
// The about box, which doubles as the exit confirmation of Quit. The Host shows it
// modally; the view renders the state below, forwards the buttons and closes the window once
// `closed()` is true.

#include <functional>
#include <string>

#include "model/colour.h"

namespace quorvel {

class DialogExchange;
class Host;

enum class ExitAnswer { None, Yes, No };

class AboutWindow {
  public:
    AboutWindow(Host& host, DialogExchange& dialogs);

    // Prepares the window; in exit mode the Yes/No panel is visible.
    void load(bool exitMode);

    void okClicked();
    // The web-site label: press flash, purple, then the maker's site opens.
    void webSiteClicked();
    void systemInfoClicked();
    // 0 "&Yes", 1 "&No".
    void exitAnswerClicked(int index);
    // Closing by the window frame answers nothing.
    void closeByFrame();

    std::string caption() const { return exitPanelVisible_ ? "Exit.. Quorvel" : "About Quorvel"; }
    const std::string& title() const { return title_; }
    const std::string& version() const { return version_; }
    const std::string& description() const { return description_; }
    const std::string& webSiteCaption() const { return webSite_; }
    Colour webSiteColour() const { return webSiteColour_; }
    bool webSiteFlashing() const { return webSiteFlashing_; }
    bool exitPanelVisible() const { return exitPanelVisible_; }
    // The exit panel's question, its last word in a label of its own.
    static constexpr const char* kExitQuestion = "Are you sure you want to ";
    static constexpr const char* kExitWord = "EXIT ?";

    bool closed() const { return closed_; }
    ExitAnswer answer() const { return answer_; }

    // The line that says where the program keeps the user's data.
    const std::string& dataFolderNote() const { return dataFolderNote_; }
    void setDataFolderNote(std::string note) { dataFolderNote_ = std::move(note); }

    void setOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

  private:
    void close(ExitAnswer answer);
    void changed();

    Host& host_;
    DialogExchange& dialogs_;
    std::string title_;
    std::string version_;
    std::string description_;
    std::string webSite_;
    Colour webSiteColour_ = colour::kBlack;
    bool webSiteFlashing_ = false;
    bool exitPanelVisible_ = false;
    bool closed_ = false;
    ExitAnswer answer_ = ExitAnswer::None;
    std::string dataFolderNote_;
    std::function<void()> onChanged_;
};

}  // namespace quorvel
