#include "views/shell/qt_host.h"

#include "views/grid/dialog_view.h"
#include "views/grid/screen_measures.h"
#include "views/shell/about_view.h"
#include "views/shell/display_settings.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLocale>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QTextLayout>
#include <QThread>
#include <QUrl>

namespace quorvel::view {

double daysSinceEpoch(const QDateTime& moment) {
    static const QDate kEpoch(1899, 12, 30);
    constexpr double kMsPerDay = 24.0 * 60 * 60 * 1000;
    return static_cast<double>(kEpoch.daysTo(moment.date())) +
           moment.time().msecsSinceStartOfDay() / kMsPerDay;
}

QtHost::QtHost() {
    clock_.start();
}

QWidget* QtHost::dialogParent() const {
    if (QWidget* active = QApplication::activeWindow()) return active;
    return mainWindow_.data();
}

void QtHost::runDialog(Dialog& dialog) {
    DialogView::run(dialog, dialogParent());
}

std::optional<std::string> QtHost::chooseFile(const FileDialogRequest& request) {
    const QString title = QString::fromStdString(request.title);
    const QString folder = QString::fromStdString(request.initialFolder);
    const QString filter = QString::fromStdString(request.filter);
    const QString chosen =
        request.save ? QFileDialog::getSaveFileName(dialogParent(), title, folder, filter)
                     : QFileDialog::getOpenFileName(dialogParent(), title, folder, filter);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

std::string QtHost::clipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

void QtHost::setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

bool QtHost::printPage(const PrintPage& page) {
    return pagePrinter_ ? pagePrinter_(page, dialogParent()) : false;
}

PagesPrinted QtHost::printPages(const std::vector<DrawnPage>& pages) {
    return pagesPrinter_ ? pagesPrinter_(pages, dialogParent()) : PagesPrinted::NoPrinter;
}

bool QtHost::openUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(url)));
}

void QtHost::processEvents() {
    QCoreApplication::processEvents();
}

void QtHost::setDrawingSuspended(bool suspended) {
    if (mainWindow_ == nullptr) return;
    mainWindow_->setUpdatesEnabled(!suspended);
    // A window resized or uncovered (a closed menu or dialog) while frozen stayed stale on X11
    // until the next event: draw it whole at once.
    if (!suspended) mainWindow_->repaint();
}

std::int64_t QtHost::tickMs() {
    return clock_.elapsed();
}

double QtHost::now() {
    return daysSinceEpoch(QDateTime::currentDateTime());
}

void QtHost::sleepMs(int milliseconds) {
    if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

std::optional<DisplayMode> QtHost::displayMode() {
    return readDisplayMode(QGuiApplication::primaryScreen());
}

bool QtHost::changeDisplayMode(const DisplayMode& mode) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return changeModeWithXrandr(xrandrProgram(QGuiApplication::platformName()), mode,
                                screen == nullptr ? 1.0 : screen->devicePixelRatio());
}

std::string QtHost::decimalSeparator() {
    return QString(QLocale().decimalPoint()).toStdString();
}

void QtHost::runAbout(AboutWindow& about) {
    AboutView::run(about, dialogParent());
}

bool QtHost::runSystemInfo() {
    // The desktop's own system-information programs, in order of preference.
    for (const char* name : {"hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor"}) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!program.isEmpty() && QProcess::startDetached(program, {})) return true;
    }
    return false;
}

SystemMetrics QtHost::systemMetrics() {
    const QStyle* style = QApplication::style();
    return {style->pixelMetric(QStyle::PM_TitleBarHeight),
            style->pixelMetric(QStyle::PM_DefaultFrameWidth)};
}

WindowPlacement QtHost::mainWindowPlacement() {
    const auto rect = [](const QRect& r) {
        return ScreenRect{r.x(), r.y(), r.width(), r.height()};
    };
    if (mainWindow_ == nullptr || !mainWindow_->isVisible()) {
        // Before the window shows, the screen it will open on is already known.
        const QScreen* screen = QGuiApplication::primaryScreen();
        return {{}, {}, screen != nullptr ? rect(screen->availableGeometry()) : ScreenRect{}};
    }
    const QScreen* screen = mainWindow_->screen();
    return {rect(mainWindow_->geometry()), rect(mainWindow_->frameGeometry()),
            screen != nullptr ? rect(screen->availableGeometry()) : ScreenRect{}};
}

TextMeasure QtHost::measureText(const std::string& text, const std::string& fontFamily, int points,
                                int widthTwips) {
    QFont font(QString::fromStdString(fontFamily));
    if (points > 0) font.setPointSizeF(points * viewLook().zoom);
    const QFontMetrics metrics(font);
    const qreal width = std::max(1, pixelsFromTwips(widthTwips));
    int lines = 0;
    // Paragraphs end at line breaks; each wraps at word boundaries to the box width.
    for (const QString& paragraph : QString::fromStdString(text)
                                        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                        .split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.beginLayout();
        int paragraphLines = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            ++paragraphLines;
        }
        layout.endLayout();
        lines += std::max(1, paragraphLines);
    }
    return {lines, twipsFromPixels(metrics.height())};
}

void QtHost::minimiseMainWindow() {
    if (mainWindow_) mainWindow_->showMinimized();
}

void QtHost::quit() {
    QCoreApplication::exit(0);
}

}  // namespace quorvel::view
