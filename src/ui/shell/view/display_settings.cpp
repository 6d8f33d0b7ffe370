#include "ui/shell/view/display_settings.h"

#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

#include <cmath>

namespace quorvel::view {

std::optional<DisplayMode> readDisplayMode(const QScreen* screen) {
    if (screen == nullptr) return std::nullopt;
    const QSize logical = screen->geometry().size();
    const double ratio = screen->devicePixelRatio();
    return DisplayMode{static_cast<int>(std::lround(logical.width() * ratio)),
                       static_cast<int>(std::lround(logical.height() * ratio)), screen->depth()};
}

QString xrandrProgram(const QString& platformName) {
    if (platformName != QLatin1String("xcb")) return {};
    return QStandardPaths::findExecutable(QStringLiteral("xrandr"));
}

bool changeModeWithXrandr(const QString& program, const DisplayMode& mode) {
    if (program.isEmpty() || mode.width <= 0 || mode.height <= 0) return false;
    QProcess xrandr;
    xrandr.start(program,
                 {QStringLiteral("-s"), QStringLiteral("%1x%2").arg(mode.width).arg(mode.height)});
    constexpr int kWaitMs = 10000;
    if (!xrandr.waitForFinished(kWaitMs)) {
        xrandr.kill();
        xrandr.waitForFinished();
        return false;
    }
    return xrandr.exitStatus() == QProcess::NormalExit && xrandr.exitCode() == 0;
}

}  // namespace quorvel::view
