#pragma once
// The Host port for the real program: Qt dialogs, the clock, the screen, the desktop's URL
// handler and the main window's drawing and state.

#include "application/host.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace quorvel::view {

class QtHost : public Host {
  public:
    // Draws a print page and sends it to the printer (or PDF); false when nothing was printed.
    using PagePrinter = std::function<bool(const PrintPage& page, QWidget* parent)>;
    // Prints drawn pages (the print views live above this layer).
    using PagesPrinter =
        std::function<PagesPrinted(const std::vector<DrawnPage>& pages, QWidget* parent)>;

    QtHost();

    // The main window: parent of dialogs, the window that is frozen and minimised.
    void setMainWindow(QWidget* window) { mainWindow_ = window; }
    void setPagePrinter(PagePrinter printer) { pagePrinter_ = std::move(printer); }
    void setPagesPrinter(PagesPrinter printer) { pagesPrinter_ = std::move(printer); }

    void runDialog(Dialog& dialog) override;
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    std::string clipboardText() override;
    void setClipboardText(const std::string& text) override;
    bool printPage(const PrintPage& page) override;
    PagesPrinted printPages(const std::vector<DrawnPage>& pages) override;
    bool openUrl(const std::string& url) override;

    void processEvents() override;
    void setDrawingSuspended(bool suspended) override;

    std::int64_t tickMs() override;
    double now() override;
    void sleepMs(int milliseconds) override;

    std::optional<DisplayMode> displayMode() override;
    bool changeDisplayMode(const DisplayMode& mode) override;
    std::string decimalSeparator() override;

    void runAbout(AboutWindow& about) override;
    bool runSystemInfo() override;
    SystemMetrics systemMetrics() override;
    WindowPlacement mainWindowPlacement() override;
    TextMeasure measureText(const std::string& text, const std::string& fontFamily, int points,
                            int widthTwips) override;

    void minimiseMainWindow() override;
    void quit() override;

  private:
    QWidget* dialogParent() const;

    QPointer<QWidget> mainWindow_;
    PagePrinter pagePrinter_;
    PagesPrinter pagesPrinter_;
    QElapsedTimer clock_;
};

// Local date and time as days since 1899-12-30, the time of day as the fraction.
double daysSinceEpoch(const class QDateTime& moment);

}  // namespace quorvel::view
