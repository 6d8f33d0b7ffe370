#pragma once
// The Host of a scripted session: no display, no waiting. Every modal window (any dialog the core
// describes, the about window, a file dialog) is handed to a DialogServer, which acts on it from
// the script's following lines until it closes. Time is virtual, the date included: it moves
// only when the session advances it and when the core asks to sleep, so scripted runs never wait,
// a script's keys are as far apart as a person's, and a script runs the same way every time.

#include <filesystem>
#include <functional>
#include <optional>
#include <utility>

#include "application/host.h"

namespace quorvel {

class OpenDialog;

class DialogServer {
  public:
    virtual ~DialogServer() = default;
    // Returns once `dialog` has closed.
    virtual void serve(OpenDialog& dialog) = 0;
};

class ScriptHost : public Host {
  public:
    explicit ScriptHost(DialogServer& server) : server_(server) {}

    void advanceClock(int milliseconds) { tick_ += milliseconds; }
    // The next printed page (or booklet) goes into this PDF file; without one there is no
    // printer.
    void printNextPageTo(std::filesystem::path file) { printFile_ = std::move(file); }
    bool printPending() const { return printFile_.has_value(); }
    // Why the last page could not be written, once; nullopt when nothing failed.
    [[nodiscard]] std::optional<std::string> takePrintFailure() {
        return std::exchange(printFailure_, {});
    }
    // Called when the core minimises the main window, and when it ends the program.
    void setOnMinimise(std::function<void()> hook) { onMinimise_ = std::move(hook); }
    void setOnQuit(std::function<void()> hook) { onQuit_ = std::move(hook); }

    void runDialog(Dialog& dialog) override;
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    // A session has a clipboard of its own, kept for the run.
    std::string clipboardText() override { return clipboard_; }
    void setClipboardText(const std::string& text) override { clipboard_ = text; }
    bool printPage(const PrintPage& page) override;
    PagesPrinted printPages(const std::vector<DrawnPage>& pages) override;
    // A session has no browser.
    bool openUrl(const std::string&) override { return false; }
    void processEvents() override {}
    void setDrawingSuspended(bool) override {}
    std::int64_t tickMs() override { return tick_; }
    double now() override;
    void sleepMs(int milliseconds) override { tick_ += milliseconds; }
    std::optional<DisplayMode> displayMode() override { return std::nullopt; }
    bool changeDisplayMode(const DisplayMode&) override { return false; }
    void runAbout(AboutWindow& about) override;
    bool runSystemInfo() override { return false; }
    SystemMetrics systemMetrics() override { return {23, 4}; }
    TextMeasure measureText(const std::string& text, const std::string& fontFamily, int points,
                            int widthTwips) override;
    void minimiseMainWindow() override;
    void quit() override;

  private:
    PagesPrinted print(const std::vector<DrawnPage>& pages);

    DialogServer& server_;
    std::int64_t tick_ = 1'000'000;
    std::optional<std::filesystem::path> printFile_;
    std::optional<std::string> printFailure_;
    std::string clipboard_;
    std::function<void()> onMinimise_;
    std::function<void()> onQuit_;
};

}  // namespace quorvel
