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

int MainWindow::zoomPercent() const {
    int fitting = kZoomPercents[0];
    for (int percent : kZoomPercents)
        if (percent <= options_.zoomPercent && zoomFits(percent)) fitting = percent;
    return fitting;
}

bool MainWindow::zoomFits(int percent) const {
    const WindowPlacement place = host_.mainWindowPlacement();
    if (place.workArea.width <= 0) return true;
    // The window's own size scales with the zoom; its frame (title bar, borders) does not.
    constexpr int kTwipsPerPixel = 15;
    const auto pixels = [percent](int twips) { return twips * percent / (100 * kTwipsPerPixel); };
    return pixels(widthTwips()) + place.frame.width - place.inside.width <= place.workArea.width &&
           pixels(heightTwips()) + place.frame.height - place.inside.height <=
               place.workArea.height;
}

void MainWindow::chooseAppearance(WindowAction item) {
    ProgramOptions next = options_;
    for (const ZoomItem& zoom : kZoomItems) {
        if (zoom.item != item) continue;
        if (!zoomFits(zoom.percent)) {
            // A window larger than the screen would hide its own menus and grid.
            const WindowPlacement place = host_.mainWindowPlacement();
            showMessage("Zoom " + std::to_string(zoom.percent) + " % does not fit this screen (" +
                            std::to_string(place.workArea.width) + " x " +
                            std::to_string(place.workArea.height) + ")",
                        colour::kRed, Alignment::Centre);
            checkAppearanceItems();
            return;
        }
        next.zoomPercent = zoom.percent;
    }
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
        setCommandChecked(zoom.item, zoom.percent == zoomPercent());
    for (const ThemeItem& theme : kThemeItems)
        setCommandChecked(theme.item, theme.theme == options_.theme);
}

}  // namespace quorvel
