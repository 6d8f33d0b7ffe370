#include "views/shell/view_look.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

#include "views/grid/screen_measures.h"

namespace quorvel::view {

namespace {

// The font and palette the application started with, before any zoom or theme.
struct DesktopLook {
    QFont font = QApplication::font();
    QPalette palette = QApplication::palette();
};
const DesktopLook& desktopLook() {
    static const DesktopLook look;
    return look;
}

QPalette darkPalette() {
    const auto text = [](Colour colour) { return textColor(colour); };
    const auto ground = [](Colour colour) { return groundColor(colour); };
    QPalette palette;
    palette.setColor(QPalette::Window, ground(kButtonFace));
    palette.setColor(QPalette::WindowText, text(colour::kBlack));
    palette.setColor(QPalette::Base, ground(kPlainBack));
    palette.setColor(QPalette::AlternateBase, ground(kButtonFace));
    palette.setColor(QPalette::Text, text(colour::kBlack));
    palette.setColor(QPalette::Button, ground(kButtonFace));
    palette.setColor(QPalette::ButtonText, text(colour::kBlack));
    palette.setColor(QPalette::ToolTipBase, ground(kPlainBack));
    palette.setColor(QPalette::ToolTipText, text(colour::kBlack));
    palette.setColor(QPalette::PlaceholderText, text(colour::kGrey));
    palette.setColor(QPalette::Highlight, QColor(0x3A, 0x6E, 0xA5));
    palette.setColor(QPalette::HighlightedText, text(colour::kWhite));
    palette.setColor(QPalette::Link, text(kLinkBlue));
    palette.setColor(QPalette::LinkVisited, text(kVisitedLink));
    palette.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    palette.setColor(QPalette::Midlight, QColor(0x40, 0x40, 0x40));
    palette.setColor(QPalette::Mid, QColor(0x28, 0x28, 0x28));
    palette.setColor(QPalette::Dark, QColor(0x18, 0x18, 0x18));
    palette.setColor(QPalette::Shadow, QColor(0x08, 0x08, 0x08));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x90, 0x90, 0x90));
    return palette;
}

}  // namespace

bool themeIsDark(Theme theme) {
    if (theme == Theme::FollowDesktop)
        return desktopLook().palette.color(QPalette::Window).lightness() < 128;
    return theme == Theme::Dark;
}

void applyViewLook(int zoomPercent, Theme theme) {
    const DesktopLook& desktop = desktopLook();
    ViewLook& look = viewLook();
    look.zoom = zoomPercent / 100.0;
    look.dark = themeIsDark(theme);
    QFont font = desktop.font;
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * look.zoom);
    } else {
        font.setPixelSize(zoomed(font.pixelSize()));
    }
    QApplication::setFont(font);
    QApplication::setPalette(look.dark ? darkPalette() : desktop.palette);
}

}  // namespace quorvel::view
