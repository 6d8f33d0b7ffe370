#pragma once
// The main window: menu bar, the strip with elapsed time, Working Hard squares,
// database indicator and message line, the toolbar of label buttons, and an MDI area that shows the
// one grid window the core has open. Its timers drive the core's timer events.

#include "application/shell/main_window.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <utility>
#include <vector>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QFrame;

namespace quorvel::view {

class FittedLabel;
class GridView;
class HintPanelView;
class LabelButton;
class MenuView;

class MainView : public QMainWindow {
    Q_OBJECT

  public:
    MainView(MainWindow& mainWindow, QWidget* parent = nullptr);
    ~MainView() override;

    // Hosts a grid window's view in its own subwindow; the core decides when it shows.
    void addGrid(GridView* grid);

    MenuView* menus() const { return menus_; }
    LabelButton* toolButton(const ToolButton& data) const;
    FittedLabel* messageLine() const { return message_; }
    QLabel* elapsedLabel() const { return elapsed_; }
    QMdiArea* mdiArea() const { return area_; }
    QMdiSubWindow* visibleSubWindow() const;
    bool elapsedTimerActive() const { return elapsedTimer_.isActive(); }
    // Explain Next Step's panel; nullptr until it first opens.
    HintPanelView* hintPanel() const { return hintPanel_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A puzzle file dropped on the window opens; dropped text is pasted.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildStrip();
    void buildToolbar();
    void onChange(MainWindowChange change);
    void renderToolbar();
    void renderMessageLine();
    void renderTimers();
    void renderWorkingHard();
    void renderDatabaseIndicator();
    void renderLayout();
    // Shows or hides the hint panel, moving this window over when the panel needs the room.
    void renderHintPanel();
    // The zoom and theme of the options: every size, font and colour again.
    void renderAppearance();
    void placeSubWindow(QMdiSubWindow* window, GridView* grid);
    // Gives the keyboard focus to the first (or last) button the toolbar shows.
    void focusToolbar(bool first);

    MainWindow& mainWindow_;
    MenuView* menus_ = nullptr;
    QWidget* strip_ = nullptr;
    QLabel* elapsed_ = nullptr;
    QFrame* workingFrame_ = nullptr;
    std::array<QFrame*, 6> squares_{};
    QFrame* highlight_ = nullptr;
    QLabel* connected_ = nullptr;
    QLabel* disconnected_ = nullptr;
    FittedLabel* message_ = nullptr;
    QWidget* toolbar_ = nullptr;
    std::vector<std::pair<const ToolButton*, LabelButton*>> buttons_;  // left to right
    QMdiArea* area_ = nullptr;
    std::vector<std::pair<QMdiSubWindow*, GridView*>> grids_;
    QTimer elapsedTimer_;
    QTimer workingHardTimer_;
    bool applyingLayout_ = false;
    bool closing_ = false;
    HintPanelView* hintPanel_ = nullptr;  // made on first use
};

}  // namespace quorvel::view
