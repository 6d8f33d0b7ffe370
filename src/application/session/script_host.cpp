#include "application/session/script_host.h"

#include "application/fixed_width_text.h"
#include "application/print/page_pdf.h"
#include "application/print/pdf_document.h"
#include "application/session/open_dialog.h"
#include "application/shell/about_window.h"

namespace quorvel {

namespace {

constexpr int kCharWidthTwips = 120;
constexpr double kSessionStartDay = 45658.0;  // 2025-01-01 counted from 1899-12-30
constexpr double kMsPerDay = 86'400'000.0;

}  // namespace

void ScriptHost::runDialog(Dialog& dialog) {
    DialogWindow window(dialog);
    if (!window.closed()) server_.serve(window);
}

std::optional<std::string> ScriptHost::chooseFile(const FileDialogRequest& request) {
    FileDialogWindow dialog(request);
    server_.serve(dialog);
    return dialog.chosen();
}

bool ScriptHost::printPage(const PrintPage& page) {
    return print({drawPrintPage(page)}) == PagesPrinted::Printed;
}

PagesPrinted ScriptHost::printPages(const std::vector<DrawnPage>& pages) {
    return print(pages);
}

PagesPrinted ScriptHost::print(const std::vector<DrawnPage>& pages) {
    if (!printFile_) return PagesPrinted::NoPrinter;
    const std::filesystem::path file = *printFile_;
    printFile_.reset();
    if (const FileStatus error = writePdfDocument(pages, file)) {
        printFailure_ = error->message();
        return PagesPrinted::Failed;
    }
    return PagesPrinted::Printed;
}

// A fixed day at the start, moving with the session's clock: a script gives the same session
// (the same generated puzzles) every time it runs.
double ScriptHost::now() {
    return kSessionStartDay + static_cast<double>(tick_) / kMsPerDay;
}

void ScriptHost::runAbout(AboutWindow& about) {
    AboutDialogWindow window(about);
    if (!window.closed()) server_.serve(window);
}

TextMeasure ScriptHost::measureText(const std::string& text, const std::string&, int points,
                                    int widthTwips) {
    return measureFixedWidth(text, points, widthTwips, kCharWidthTwips);
}

void ScriptHost::minimiseMainWindow() {
    if (onMinimise_) onMinimise_();
}

void ScriptHost::quit() {
    if (onQuit_) onQuit_();
}

}  // namespace quorvel
