// The main window's Visual Aid > Zoom and Theme items: each picks one zoom or one theme, kept in
// the options file.
#include <algorithm>
#include <iterator>
#include <optional>

#include "application/shell/main_window.h"
#include "storage/data_file.h"

namespace quorvel {

namespace {

struct ZoomItem {
    WindowAction item;
    int percent;
};
constexpr ZoomItem kZoomItems[] = {{WindowAction::Zoom100, 100},
                                   {WindowAction::Zoom125, 125},
                                   {WindowAction::Zoom150, 150},
                                   {WindowAction::Zoom200, 200}};
static_assert(std::size(kZoomItems) == std::size(kZoomPercents));

struct ThemeItem {
    WindowAction item;
    Theme theme;
};
constexpr ThemeItem kThemeItems[] = {{WindowAction::ThemeClassic, Theme::Classic},
                                     {WindowAction::ThemeDark, Theme::Dark},
                                     {WindowAction::ThemeFollowDesktop, Theme::FollowDesktop}};

}  // namespace

void MainWindow::chooseAppearance(WindowAction item) {
    ProgramOptions next = options_;
    for (const ZoomItem& zoom : kZoomItems)
        if (zoom.item == item) next.zoomPercent = zoom.percent;
    for (const ThemeItem& theme : kThemeItems)
        if (theme.item == item) next.theme = theme.theme;
    if (next != options_) {
        // As with the other options, a failed write leaves the look as the file has it.
        if (FileStatus error = saveProgramOptions(settingsFolder(programFolder_), next)) {
            showFileError(error->message());
        } else {
            options_ = next;
            changed(MainWindowChange::Appearance);
        }
    }
    checkAppearanceItems();
}

void MainWindow::checkAppearanceItems() {
    for (const ZoomItem& zoom : kZoomItems)
        setCommandChecked(zoom.item, zoom.percent == options_.zoomPercent);
    for (const ThemeItem& theme : kThemeItems)
        setCommandChecked(theme.item, theme.theme == options_.theme);
}

}  // namespace quorvel
