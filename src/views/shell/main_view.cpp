#include "views/shell/main_view.h"

#include "application/shell/toolbar_speech.h"
#include "views/grid/grid_view.h"
#include "views/grid/label_button.h"
#include "views/grid/screen_measures.h"
#include "views/shell/fitted_label.h"
#include "views/shell/hint_panel_view.h"
#include "views/shell/menu_view.h"
#include "views/shell/program_icon.h"
#include "views/shell/view_look.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPainter>
#include <QUrl>
#include <QVBoxLayout>

namespace quorvel::view {
namespace {

constexpr int kStripHeight = 30;
constexpr int kToolbarHeight = 25;
constexpr int kButtonHeight = 19;  // 285 twips
constexpr int kMessageLeftTwips = 2400;

const char* fontNameOf(ButtonFont font) {
    switch (font) {
        case ButtonFont::Arial:
            return "Arial";
        case ButtonFont::ArialNarrow:
            return "Arial Narrow";
        case ButtonFont::Wingdings2:
            return "Wingdings 2";
        case ButtonFont::Wingdings3:
            return "Wingdings 3";
    }
    return "Arial";
}

// A small database cylinder: green while connected, red while a database operation runs.
QPixmap databasePicture(bool connected, qreal ratio) {
    const qreal zoom = viewLook().zoom;
    QPixmap pixmap(QSize(18, 20) * ratio * zoom);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(zoom, zoom);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor body = connected ? QColor(40, 160, 60) : QColor(200, 40, 40);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(body);
    painter.drawRect(QRectF(2.5, 4.5, 13, 11));
    painter.drawEllipse(QRectF(2.5, 12.5, 13, 5));
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRectF(3, 5, 12, 10));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(body.lighter(140));
    painter.drawEllipse(QRectF(2.5, 2.5, 13, 5));
    return pixmap;
}

// The local file a drop carries (its first), or "".
QString droppedFile(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    return !urls.isEmpty() && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

}  // namespace

MainView::MainView(MainWindow& mainWindow, QWidget* parent)
    : QMainWindow(parent), mainWindow_(mainWindow) {
    setWindowIcon(programWindowIcon());
    setAcceptDrops(true);
    menus_ = new MenuView(
        menuBar(), mainWindow_.menus(),
        [this](const MenuItem& item) { mainWindow_.menuChosen(item); },
        [this](const MenuItem& title) { mainWindow_.menuOpened(title); });

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildStrip();
    buildToolbar();
    area_ = new QMdiArea(central);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->installEventFilter(this);
    strip_->setParent(central);
    toolbar_->setParent(central);
    column->addWidget(strip_);
    column->addWidget(toolbar_);
    column->addWidget(area_, 1);
    setCentralWidget(central);

    elapsedTimer_.setInterval(1000);
    workingHardTimer_.setInterval(250);
    connect(&elapsedTimer_, &QTimer::timeout, this, [this] { mainWindow_.elapsedTick(); });
    connect(&workingHardTimer_, &QTimer::timeout, this, [this] { mainWindow_.workingHardTick(); });

    mainWindow_.subscribe([this](MainWindowChange change) { onChange(change); });
    for (MainWindowChange change :
         {MainWindowChange::Menus, MainWindowChange::Toolbar, MainWindowChange::MessageLine,
          MainWindowChange::Caption, MainWindowChange::ElapsedTime, MainWindowChange::WorkingHard,
          MainWindowChange::DatabaseIndicator, MainWindowChange::Appearance,
          MainWindowChange::Layout}) {
        onChange(change);
    }
}

MainView::~MainView() = default;

void MainView::buildStrip() {
    strip_ = new QWidget(this);
    strip_->setAutoFillBackground(true);

    elapsed_ = new QLabel(strip_);
    elapsed_->setToolTip(tr("Elapsed time"));
    elapsed_->setAccessibleName(tr("Elapsed time"));

    workingFrame_ = new QFrame(strip_);
    workingFrame_->setFrameShape(QFrame::Box);
    workingFrame_->setToolTip(QString::fromUtf8(MainWindow::kWorkingHardTip));
    workingFrame_->setAccessibleName(tr("Working hard"));
    workingFrame_->setAccessibleDescription(tr("Moves while a long command runs"));
    highlight_ = new QFrame(workingFrame_);
    highlight_->setStyleSheet(QStringLiteral("background: #ffd000; border: 1px solid #805000;"));
    for (size_t index = 0; index < squares_.size(); ++index) {
        auto* square = new QFrame(workingFrame_);
        square->setStyleSheet(QStringLiteral("background: #0000c0;"));
        squares_[index] = square;
    }

    connected_ = new QLabel(strip_);
    disconnected_ = new QLabel(strip_);
    connected_->setToolTip(QString::fromUtf8(MainWindow::kConnectedTip));
    disconnected_->setToolTip(QString::fromUtf8(MainWindow::kDisconnectedTip));
    connected_->setAccessibleName(tr("Database ready"));
    disconnected_->setAccessibleName(tr("Database busy"));

    message_ = new FittedLabel(strip_);
    message_->setAccessibleDescription(tr("The message line: what the last command found"));
}

void MainView::buildToolbar() {
    toolbar_ = new QWidget(this);
    for (const ToolButton& data : mainWindow_.toolbar().all()) {
        auto* button = new LabelButton(toolbar_);
        connect(button, &LabelButton::mouseUp, this, [this, &data](int mouseButton, int shift) {
            mainWindow_.toolbarClicked(data, mouseButton, shift);
        });
        buttons_.emplace_back(&data, button);
    }
}

LabelButton* MainView::toolButton(const ToolButton& data) const {
    for (const auto& [row, button] : buttons_) {
        if (row == &data) return button;
    }
    return nullptr;
}

void MainView::addGrid(GridView* grid) {
    auto* window = new QMdiSubWindow(area_);
    window->setWidget(grid);
    window->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
    window->setWindowTitle(grid->windowTitle());
    window->installEventFilter(this);
    area_->addSubWindow(window);
    window->hide();
    grids_.emplace_back(window, grid);
    connect(grid, &GridView::shownChanged, this, [this, window, grid](bool shown) {
        window->setWindowTitle(grid->windowTitle());
        if (shown) {
            placeSubWindow(window, grid);
            window->show();
            area_->setActiveSubWindow(window);
        } else {
            window->hide();
        }
    });
    // Leaving the create layout, for one, re-centres the window in the wider main window; the
    // composing controls make the 9x9 window taller.
    const auto replace = [this, window, grid] {
        if (window->isVisible()) placeSubWindow(window, grid);
    };
    connect(grid, &GridView::placeChanged, this, replace);
    connect(grid, &GridView::composingControlsChanged, this, replace);
    connect(grid, &GridView::tabbedOut, this, &MainView::focusToolbar);
    if (grid->window().shown()) emit grid->shownChanged(true);
}

void MainView::focusToolbar(bool first) {
    LabelButton* chosen = nullptr;
    for (const auto& [row, button] : buttons_) {
        if (!button->isVisible() || !button->isEnabled()) continue;
        chosen = button;
        if (first) break;
    }
    if (chosen != nullptr) chosen->setFocus(Qt::TabFocusReason);
}

QMdiSubWindow* MainView::visibleSubWindow() const {
    for (const auto& [window, grid] : grids_) {
        if (window->isVisible()) return window;
    }
    return nullptr;
}

void MainView::placeSubWindow(QMdiSubWindow* window, GridView* grid) {
    window->adjustSize();
    // The core centres the window in the whole main window; inside the smaller MDI area it is
    // kept fully visible. Room is measured without scroll bars, so a window that fits makes them
    // go.
    const QSize room = area_->contentsRect().size();
    const int left = std::clamp(pixelsFromTwips(grid->window().left()), 0,
                                std::max(0, room.width() - window->width()));
    const int top = std::clamp(pixelsFromTwips(grid->window().top()), 0,
                               std::max(0, room.height() - window->height()));
    window->move(left, top);
}

bool MainView::eventFilter(QObject* watched, QEvent* event) {
    // The area changes height after the main window when a new zoom reaches the menu bar late;
    // placed again, the grid window stays inside it instead of gaining scroll bars.
    if (watched == area_ && event->type() == QEvent::Resize) {
        for (const auto& [window, grid] : grids_) {
            if (window->isVisible()) placeSubWindow(window, grid);
        }
    }
    if (event->type() == QEvent::Close) {
        for (const auto& [window, grid] : grids_) {
            if (watched != window) continue;
            // The core decides: while the program runs it shows the other grid instead.
            if (!grid->window().requestClose()) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainView::onChange(MainWindowChange change) {
    switch (change) {
        case MainWindowChange::Menus:
            menus_->refresh();
            break;
        case MainWindowChange::Toolbar:
            renderToolbar();
            break;
        case MainWindowChange::MessageLine:
            renderMessageLine();
            break;
        case MainWindowChange::Caption:
            setWindowTitle(QString::fromStdString(mainWindow_.caption()));
            break;
        case MainWindowChange::ElapsedTime:
            renderTimers();
            break;
        case MainWindowChange::WorkingHard:
            renderWorkingHard();
            break;
        case MainWindowChange::DatabaseIndicator:
            renderDatabaseIndicator();
            break;
        case MainWindowChange::Layout:
            renderLayout();
            break;
        case MainWindowChange::HintPanel:
            renderHintPanel();
            break;
        case MainWindowChange::Appearance:
            renderAppearance();
            break;
        case MainWindowChange::Closed:
            closing_ = true;
            elapsedTimer_.stop();
            workingHardTimer_.stop();
            break;
    }
}

void MainView::renderToolbar() {
    // Each button starts where the designed widths before it end, rounded once at the zoom in
    // use: rounding each width on its own would add up along the row and push the last buttons
    // off the window's edge.
    double twipsBefore = 0;
    int gaps = 3;
    for (const auto& [row, button] : buttons_) {
        const ToolButton& data = *row;
        LabelLook look;
        look.caption = data.caption;
        look.fontName = fontNameOf(data.font);
        look.pointSize =
            (data.font == ButtonFont::Wingdings2 || data.font == ButtonFont::Wingdings3 ? 11 : 9) *
            viewLook().zoom;
        look.bold = data.font == ButtonFont::Arial;
        look.backColour = data.flashing ? kFlashBack : data.backColour;
        look.textColour = data.flashing ? kFlashFore : data.foreColour;
        look.raised = data.flashing;
        button->setLook(look);
        button->setToolTip(QString::fromStdString(data.toolTip));
        button->setAccessibleName(QString::fromStdString(toolButtonAccessibleName(data)));
        button->setAccessibleDescription(
            QString::fromStdString(toolButtonAccessibleDescription(data)));
        button->setEnabled(data.enabled);
        button->setVisible(data.visible);
        if (data.visible) {
            const int left = gaps + pixelsFromTwips(twipsBefore);
            const int right = gaps + pixelsFromTwips(twipsBefore + data.widthTwips);
            button->setGeometry(left, (zoomed(kToolbarHeight) - zoomed(kButtonHeight)) / 2,
                                right - left, zoomed(kButtonHeight));
            twipsBefore += data.widthTwips;
            gaps += 1;
        }
    }
}

void MainView::renderMessageLine() {
    const MessageLine& line = mainWindow_.messageLine();
    message_->setFullText(QString::fromStdString(line.text));
    QPalette colours = message_->palette();
    colours.setColor(QPalette::WindowText, textColor(line.colour));
    message_->setPalette(colours);
    const Qt::Alignment horizontal = line.alignment == Alignment::Right    ? Qt::AlignRight
                                     : line.alignment == Alignment::Centre ? Qt::AlignHCenter
                                                                           : Qt::AlignLeft;
    message_->setAlignment(horizontal | Qt::AlignVCenter);
}

void MainView::renderTimers() {
    elapsed_->setText(QString::fromStdString(mainWindow_.elapsedLabel()));
    if (closing_) return;
    if (mainWindow_.elapsedTimerRunning() && !elapsedTimer_.isActive()) elapsedTimer_.start();
    if (!mainWindow_.elapsedTimerRunning()) elapsedTimer_.stop();
}

void MainView::renderWorkingHard() {
    const WorkingHard& working = mainWindow_.workingHard();
    workingFrame_->setVisible(working.visible);
    highlight_->setGeometry(rectFromTwips(working.highlightLeft + 60, working.highlightTop + 90,
                                          WorkingHard::kHighlightSize,
                                          WorkingHard::kHighlightSize));
    highlight_->lower();
    if (closing_) return;
    if (working.timerRunning && !workingHardTimer_.isActive()) workingHardTimer_.start();
    if (!working.timerRunning) workingHardTimer_.stop();
}

void MainView::renderDatabaseIndicator() {
    connected_->setVisible(!mainWindow_.databaseBusy());
    disconnected_->setVisible(mainWindow_.databaseBusy());
}

void MainView::renderLayout() {
    applyingLayout_ = true;
    const QSize wanted(pixelsFromTwips(mainWindow_.widthTwips()),
                       pixelsFromTwips(mainWindow_.heightTwips()));
    if (!isMinimized() && size() != wanted) resize(wanted);
    // The line starts right of the database indicator and ends at the window's right edge; it
    // takes the strip's whole height, so a long message has room for two lines.
    const int left =
        std::max(pixelsFromTwips(kMessageLeftTwips), connected_->geometry().right() + 6);
    const int right = pixelsFromTwips(kMessageLeftTwips + mainWindow_.messageLineWidthTwips()) - 4;
    message_->setGeometry(left, 1, std::max(0, right - left), zoomed(kStripHeight) - 2);
    for (const auto& [window, grid] : grids_) {
        if (window->isVisible()) placeSubWindow(window, grid);
    }
    if (mainWindow_.visible() && !isVisible()) {
        show();
        // Without a window manager nobody else gives the new window the keyboard.
        raise();
        activateWindow();
    } else if (!mainWindow_.visible()) {
        hide();
    }
    applyingLayout_ = false;
}

void MainView::renderAppearance() {
    applyViewLook(mainWindow_.zoomPercent(), mainWindow_.theme());
    strip_->setFixedHeight(zoomed(kStripHeight));
    elapsed_->setGeometry(zoomed(4), zoomed(7), zoomed(58), zoomed(16));
    workingFrame_->setGeometry(zoomed(64), zoomed(3), zoomed(84), zoomed(24));
    for (size_t index = 0; index < squares_.size(); ++index)
        squares_[index]->setGeometry(
            rectFromTwips(WorkingHard::kSquareLeft[index] + 60, WorkingHard::kSquareTop + 90,
                          WorkingHard::kSquareSize, WorkingHard::kSquareSize));
    for (QLabel* indicator : {connected_, disconnected_})
        indicator->setGeometry(zoomed(152), zoomed(5), zoomed(18), zoomed(20));
    connected_->setPixmap(databasePicture(true, devicePixelRatioF()));
    disconnected_->setPixmap(databasePicture(false, devicePixelRatioF()));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(10 * viewLook().zoom);
    arial.setBold(true);
    message_->setBaseFont(arial, zoomed(7));
    toolbar_->setFixedHeight(zoomed(kToolbarHeight));
    for (const auto& [row, button] : buttons_)
        button->resize(pixelsFromTwips(row->widthTwips), zoomed(kButtonHeight));
    area_->setBackground(groundColor(kClientColour));
    renderToolbar();
    renderMessageLine();
    renderWorkingHard();
    for (const auto& [window, grid] : grids_)
        grid->applyLook();
    renderLayout();
    if (hintPanel_ != nullptr && mainWindow_.hintPanel().shown) renderHintPanel();
}

void MainView::renderHintPanel() {
    if (hintPanel_ == nullptr) {
        hintPanel_ = new HintPanelView(
            this, [this](HintPanelButton button) { mainWindow_.hintPanelClicked(button); });
    }
    const QMdiSubWindow* grid = visibleSubWindow();
    const QRect gridFrame =
        grid != nullptr ? QRect(grid->mapToGlobal(QPoint(0, 0)), grid->size()) : frameGeometry();
    const int shift = hintPanel_->render(mainWindow_.hintPanel(), frameGeometry(), gridFrame);
    if (shift != 0) move(pos() + QPoint(shift, 0));
}

void MainView::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!applyingLayout_ && !closing_) mainWindow_.resize(isMinimized());
}

void MainView::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !closing_) {
        mainWindow_.resize(isMinimized());
    }
}

void MainView::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData& data = *event->mimeData();
    if (!droppedFile(data).isEmpty() || (!data.hasUrls() && data.hasText()))
        event->acceptProposedAction();
}

void MainView::dropEvent(QDropEvent* event) {
    const QMimeData& data = *event->mimeData();
    const QString file = droppedFile(data);
    if (file.isEmpty() && (data.hasUrls() || !data.hasText())) return;
    event->acceptProposedAction();
    // The drag's source waits until the drop returns: the file opens (and may ask which puzzle)
    // once it has.
    QMetaObject::invokeMethod(
        this,
        [this, file, text = data.text()] {
            if (file.isEmpty()) {
                mainWindow_.pasteText(text.toStdString());
            } else {
                mainWindow_.openPuzzleFile(file.toStdString());
            }
        },
        Qt::QueuedConnection);
}

void MainView::closeEvent(QCloseEvent* event) {
    // The close box asks nothing: the screen mode comes back, settings are written, the end.
    if (!closing_) mainWindow_.unload();
    event->accept();
}

}  // namespace quorvel::view
