#pragma once
// The Host port: everything the core needs from outside itself. The Qt layer implements it for
// the real program; tests use a scripted fake; the companion tool uses a silent headless one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class AboutWindow;
class Dialog;
struct DrawnPage;
struct PrintPage;

struct DisplayMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// The outcome of a screen mode change.
enum class DisplayChange { Changed, NeedsRestart, Failed };

// System measures the window layouts are computed from, in pixels.
struct SystemMetrics {
    int minWindowHeightPx = 0;  // the smallest height of a window (its title bar)
    int borderHeightPx = 0;     // the height of a sizing border
};

// How a text lays out in a multi-line text box.
struct TextMeasure {
    int lineCount = 0;          // lines after wrapping to the box width
    int letterHeightTwips = 0;  // height of the letter "A" in the font
};

// A rectangle on the screen, in pixels.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Where the main window stands: its inside, its outer frame (title bar and borders included) and
// the part of its screen that windows may use. Widths of 0 where that is not known.
struct WindowPlacement {
    ScreenRect inside;
    ScreenRect frame;
    ScreenRect workArea;
};

// What became of pages sent to a printer.
enum class PagesPrinted { Printed, Cancelled, NoPrinter, Failed };

struct FileDialogRequest {
    bool save = false;
    std::string title;
    std::string filter;         // e.g. "Text Files (*.txt)"
    std::string initialFolder;  // absolute path
};

class Host {
  public:
    virtual ~Host() = default;

    // Shows any dialog modally from its form (application/grid/dialog.h) and forwards the user's
    // acts to it; returns when it closed, or when the host cannot show it (the caller then takes it
    // as dismissed).
    virtual void runDialog(Dialog& dialog) = 0;
    // Common file dialog; nullopt when cancelled.
    [[nodiscard]] virtual std::optional<std::string> chooseFile(
        const FileDialogRequest& request) = 0;
    // Prints a laid-out page on the default printer; false when no printer took it.
    [[nodiscard]] virtual bool printPage(const PrintPage& page) = 0;
    // Sends the pages to the printer the user picks in the print dialog. A platform without
    // printers keeps this default.
    [[nodiscard]] virtual PagesPrinted printPages(const std::vector<DrawnPage>& /*pages*/) {
        return PagesPrinted::NoPrinter;
    }
    // Opens a web address in the browser; false when no browser took it.
    [[nodiscard]] virtual bool openUrl(const std::string& url) = 0;
    // The text on the system clipboard ("" when it holds none), and replacing it.
    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;

    // Lets pending window events (including the Stop command) run.
    virtual void processEvents() = 0;
    // Suspends (true) or resumes (false) repainting of the program's windows.
    virtual void setDrawingSuspended(bool suspended) = 0;

    // Milliseconds from an arbitrary fixed start, monotonic.
    virtual std::int64_t tickMs() = 0;
    // Local date and time as days since 1899-12-30 with the time as the fraction.
    virtual double now() = 0;
    virtual void sleepMs(int milliseconds) = 0;

    virtual std::optional<DisplayMode> displayMode() = 0;
    [[nodiscard]] virtual bool changeDisplayMode(const DisplayMode& mode) = 0;
    // A mode change that tells a change needing a system restart from a failure. A platform
    // that cannot tell them apart keeps this default.
    [[nodiscard]] virtual DisplayChange applyDisplayMode(const DisplayMode& mode) {
        return changeDisplayMode(mode) ? DisplayChange::Changed : DisplayChange::Failed;
    }

    // Shows the about window modally (also as the exit confirmation); returns when it closed.
    // The view forwards its buttons to the window object and closes when it says so.
    virtual void runAbout(AboutWindow& about) = 0;
    // Starts the system-information program; false when none is installed.
    [[nodiscard]] virtual bool runSystemInfo() = 0;
    virtual SystemMetrics systemMetrics() = 0;
    // The main window's place on the screen (before it shows: the work area alone); a platform
    // without a screen keeps this default.
    virtual WindowPlacement mainWindowPlacement() { return {}; }
    // Lays `text` out in `fontFamily` at `points`, wrapped to `widthTwips`.
    virtual TextMeasure measureText(const std::string& text, const std::string& fontFamily,
                                    int points, int widthTwips) = 0;

    // The decimal symbol of the user's locale (the keystroke filter names it in its message).
    virtual std::string decimalSeparator() { return "."; }

    virtual void minimiseMainWindow() = 0;
    virtual void quit() = 0;
};

}  // namespace quorvel
