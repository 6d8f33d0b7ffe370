#include "views/shell/display_settings.h"

#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

#include <cmath>

namespace quorvel::view {

// Qt rounds device pixels to the nearest logical pixel, so two device sizes can share one
// logical size; the smaller is taken ("1600" rather than "1601" at a ratio of 1.5).
int devicePixels(int logical, double ratio) {
    return static_cast<int>(std::floor(logical * ratio + 0.25));
}

std::optional<DisplayMode> readDisplayMode(const QScreen* screen) {
    if (screen == nullptr) return std::nullopt;
    const QSize logical = screen->geometry().size();
    return DisplayMode{logical.width(), logical.height(), screen->depth()};
}

QString xrandrProgram(const QString& platformName) {
    if (platformName != QLatin1String("xcb")) return {};
    return QStandardPaths::findExecutable(QStringLiteral("xrandr"));
}

bool changeModeWithXrandr(const QString& program, const DisplayMode& mode, double ratio) {
    if (program.isEmpty() || mode.width <= 0 || mode.height <= 0) return false;
    QProcess xrandr;
    xrandr.start(program, {QStringLiteral("-s"), QStringLiteral("%1x%2")
                                                     .arg(devicePixels(mode.width, ratio))
                                                     .arg(devicePixels(mode.height, ratio))});
    constexpr int kWaitMs = 10000;
    if (!xrandr.waitForFinished(kWaitMs)) {
        xrandr.kill();
        xrandr.waitForFinished();
        return false;
    }
    return xrandr.exitStatus() == QProcess::NormalExit && xrandr.exitCode() == 0;
}

}  // namespace quorvel::view
