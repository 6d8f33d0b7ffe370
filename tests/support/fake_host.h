#pragma once
// A scripted Host for core tests: it answers questions, dialogs and the about window from queues
// the test fills, keeps a fake clock, and records everything the core asked of it in `log`
// (one short line per call, e.g. "ask:Screen Resolution Settings", "url:https://...").

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "application/host.h"

namespace quorvel {
class InputDialog;
}

namespace quorvel::testing {

class FakeHost : public Host {
  public:
    // Answers for askYesNo, in order; an empty queue answers No.
    std::deque<bool> yesNoAnswers;
    // Scripts for the input dialog, which arrives loaded and activated: each acts on it (e.g.
    // clicks OK). An empty queue cancels the dialog.
    std::deque<std::function<void(InputDialog&)>> dialogScripts;
    // Scripts for the about window, which arrives loaded; an empty queue clicks OK.
    std::deque<std::function<void(AboutWindow&)>> aboutScripts;
    std::deque<std::optional<std::string>> fileChoices;
    std::string clipboard;  // clipboardText() and setClipboardText()
    bool printerTakesPages = true;
    bool systemInfoAvailable = false;

    // The screen; nullopt when it cannot be read. applyDisplayMode answers `displayChange`
    // and, unless it failed, switches `screen` to the requested mode.
    std::optional<DisplayMode> screen = DisplayMode{1024, 768, 32};
    DisplayChange displayChange = DisplayChange::Changed;

    std::string decimal = ".";  // decimalSeparator()
    SystemMetrics metrics{23, 4};
    WindowPlacement placement;  // mainWindowPlacement(); empty: no screen
    // Text layout model: each character is `charWidthTwips` wide, a line holds as many as fit,
    // the letter "A" is 20 twips per point high. Replace to script other layouts.
    int charWidthTwips = 120;
    std::function<TextMeasure(const std::string&, const std::string&, int, int)> measure;

    std::int64_t tick = 1'000'000;  // tickMs(); sleepMs advances it
    double clock = 45000.0;         // now()

    // Runs inside every processEvents (for example to press Stop during a long operation).
    std::function<void()> onProcessEvents;

    std::vector<std::string> log;
    int processEventsCount = 0;
    std::vector<bool> freezeCalls;
    std::vector<std::string> dialogTitles;
    std::vector<std::string> openedUrls;

    // Host
    // Message boxes: a question logs "ask:TITLE" and "text:TEXT" and takes its answer from
    // `yesNoAnswers`; a notice logs "notice:TITLE" and "text:TEXT". The input dialog logs
    // "dialog:TITLE" and runs the next of `dialogScripts`; any other logs "dialog:TITLE" too and
    // is dismissed.
    void runDialog(Dialog& dialog) override;
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    std::string clipboardText() override { return clipboard; }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    bool printPage(const PrintPage& page) override;
    bool openUrl(const std::string& url) override;
    void processEvents() override;
    void setDrawingSuspended(bool suspended) override;
    std::int64_t tickMs() override { return tick; }
    double now() override { return clock; }
    void sleepMs(int milliseconds) override;
    std::optional<DisplayMode> displayMode() override { return screen; }
    bool changeDisplayMode(const DisplayMode& mode) override;
    DisplayChange applyDisplayMode(const DisplayMode& mode) override;
    void runAbout(AboutWindow& about) override;
    bool runSystemInfo() override;
    SystemMetrics systemMetrics() override { return metrics; }
    WindowPlacement mainWindowPlacement() override { return placement; }
    TextMeasure measureText(const std::string& text, const std::string& fontFamily, int points,
                            int widthTwips) override;
    std::string decimalSeparator() override { return decimal; }
    void minimiseMainWindow() override;
    void quit() override;

    // True when `entry` was logged.
    bool logged(const std::string& entry) const;
    // The log entries that start with `prefix`, in order.
    std::vector<std::string> loggedWith(const std::string& prefix) const;
};

}  // namespace quorvel::testing
